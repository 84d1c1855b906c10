#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QVector>

// Measures how long the GUI thread's event loop is held up: a timer due every millisecond notes how
// late it fires. The run names what it is doing (its phase); a stall is put down to the phase that
// held most of it, since a stall can begin in one step and end in the next.
class StallProbe : public QObject
{
    Q_OBJECT
public:
    explicit StallProbe(QObject* parent = nullptr);
    ~StallProbe() override;

    void start(const QString& phase);
    // What runs from now on.
    void enter(const QString& phase);
    // Ends the measuring, counting the time since the last firing as a last stall.
    void stop();

    qint64 longestMs() const { return m_longestMs; }
    QString during() const { return m_during; }
    // {"stall": {"longestMs", "during"}}
    QJsonObject line() const;

private:
    void fired();
    // Notes the phase's share of the current gap up to now.
    void account(qint64 now);

    QTimer m_timer;
    QElapsedTimer m_clock;
    QString m_phase;
    QVector<QPair<QString, qint64>> m_shares; // of the gap since the last firing, by phase in order
    qint64 m_lastFired = 0;
    qint64 m_mark = 0;
    qint64 m_longestMs = 0;
    QString m_during;
};
