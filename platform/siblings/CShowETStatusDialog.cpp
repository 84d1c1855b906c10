#include "siblings/CShowETStatusDialog.h"

#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornChannelStatus.h"
#include "utils/CSingletonT.h"

#include <unordered_set>

namespace Ocv {

namespace {
constexpr int kChannelStatusCode = 12296;
constexpr int kTableId = 2104;
constexpr int kStateColumn = 4;

CVornClientCenter* center()
{
    return utils::CSingletonT<CVornClientCenter>::instance();
}

QString kindText(int kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("交易");
    case 2:
        return QStringLiteral("行情");
    default:
        return QStringLiteral("未知(%1)").arg(kind);
    }
}

QString stateText(const ttservice::CVornChannelStatus& channel)
{
    if (!channel.stateText.empty())
        return QString::fromStdString(channel.stateText);
    return channel.state == 0 ? QStringLiteral("正常") : QStringLiteral("异常");
}
} // namespace

CShowETStatusDialog::CShowETStatusDialog(QWidget* parent)
    : CBrowseDialog(parent,
                    {QStringLiteral("show_et_status_dialog"),
                     kTableId,
                     {QStringLiteral("通道编号"), QStringLiteral("通道名称"), QStringLiteral("交易所"),
                      QStringLiteral("通道类型"), QStringLiteral("状态"), QStringLiteral("最后心跳")},
                     {0, 1},
                     QStringLiteral("查询通道: "),
                     QStringLiteral("请输入通道编号或名称, 按Enter键查询"),
                     QStringLiteral("通道监控"),
                     QStringLiteral("异常通道")},
                    kChannelStatusCode)
{
    // The counts are what requset() promises; closing the window must not swallow them.
    setAnswersOutliveHiding(true);
    // The channels are those of the client's selected system: once asked, the dialog asks again
    // whenever another system is selected, so its counts never belong to a system left behind.
    m_systemListener = center()->addSystemListener([this](const std::string&) {
        QMetaObject::invokeMethod(
            this, [this]() {
                if (m_asked)
                    query();
            },
            Qt::QueuedConnection);
    });
}

CShowETStatusDialog::~CShowETStatusDialog()
{
    center()->removeSystemListener(m_systemListener);
}

void CShowETStatusDialog::requset()
{
    m_asked = true;
    query();
}

int CShowETStatusDialog::getDataCount() const
{
    return m_dataCount;
}

int CShowETStatusDialog::getStatusCount() const
{
    return m_statusCount;
}

void CShowETStatusDialog::setisQueryData(bool abnormalOnly)
{
    setNarrowed(abnormalOnly);
}

std::vector<Kx::IBaseHpfTableDataPtr>
CShowETStatusDialog::makeRows(const std::vector<ttservice::IDataPtr>& records)
{
    m_dataCount = 0;
    m_statusCount = 0;
    std::unordered_set<std::string> seen;
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    for (const ttservice::IDataPtr& record : records) {
        const auto channel = boost::dynamic_pointer_cast<ttservice::CVornChannelStatus>(record);
        // The table keeps one row per channel id, and so do the counts.
        if (!channel || !seen.insert(channel->channelId).second)
            continue;
        const bool abnormal = channel->state != 0;
        ++m_dataCount;
        if (abnormal)
            ++m_statusCount;
        if (isNarrowed() && !abnormal)
            continue;
        rows.push_back(
            makeRow({QString::fromStdString(channel->channelId), QString::fromStdString(channel->channelName),
                     QString::fromStdString(channel->exchange), kindText(channel->kind), stateText(*channel),
                     QString::fromStdString(channel->heartbeatTime)},
                    abnormal ? kStateColumn : -1));
    }
    return rows;
}

void CShowETStatusDialog::loaded(bool ok)
{
    if (!ok) {
        m_dataCount = 0;
        m_statusCount = 0;
    }
    emit sigUpdateTableFinish();
}

} // namespace Ocv
