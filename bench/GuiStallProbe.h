#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

// The longest the GUI thread went without serving its event loop while the probe ran.
class GuiStallProbe
{
public:
    GuiStallProbe()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_clock.start();
        m_timer.start(0);
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
