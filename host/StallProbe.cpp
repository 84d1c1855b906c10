#include "StallProbe.h"

namespace {
constexpr int kIntervalMs = 1;
}

StallProbe::StallProbe(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::fired);
}

StallProbe::~StallProbe() = default;

void StallProbe::start(const QString& phase)
{
    m_clock.start();
    m_phase = phase;
    m_shares.clear();
    m_lastFired = m_mark = 0;
    m_longestMs = 0;
    m_during = phase;
    m_timer.start();
}

void StallProbe::enter(const QString& phase)
{
    if (!m_timer.isActive())
        return;
    account(m_clock.elapsed());
    m_phase = phase;
}

void StallProbe::stop()
{
    if (!m_timer.isActive())
        return;
    fired();
    m_timer.stop();
}

QJsonObject StallProbe::line() const
{
    return QJsonObject{{QStringLiteral("stall"), QJsonObject{{QStringLiteral("longestMs"), m_longestMs},
                                                             {QStringLiteral("during"), m_during}}}};
}

void StallProbe::account(qint64 now)
{
    if (m_shares.isEmpty() || m_shares.constLast().first != m_phase)
        m_shares.append({m_phase, 0});
    m_shares.last().second += now - m_mark;
    m_mark = now;
}

void StallProbe::fired()
{
    const qint64 now = m_clock.elapsed();
    account(now);
    const qint64 late = now - m_lastFired - kIntervalMs;
    if (late > m_longestMs) {
        m_longestMs = late;
        qint64 most = -1;
        for (const auto& share : m_shares) {
            if (share.second > most) {
                most = share.second;
                m_during = share.first;
            }
        }
    }
    m_shares.clear();
    m_lastFired = now;
}
