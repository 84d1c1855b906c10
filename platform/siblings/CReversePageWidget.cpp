#include "siblings/CReversePageWidget.h"

#include "MessageLine.h"
#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kFutureCode = 23434;
constexpr int kStockCode = 23435;
constexpr int kSaveButtonId = 1;
constexpr int kMaxWindowSeconds = 3600;
constexpr int kMessageLimit = 1000;
constexpr int kMessageHeight = 30;
const QString kName = QStringLiteral("reverse_page");

template <class T> void readInto(const T& config, QCheckBox* reverse, QCheckBox* matched, QSpinBox* reverseWindow,
                                 QSpinBox* matchedWindow)
{
    reverse->setChecked(!config.reverseCheckOff);
    matched->setChecked(!config.matchedCheckOff);
    reverseWindow->setValue(config.reverseWindowSeconds);
    matchedWindow->setValue(config.matchedWindowSeconds);
}

// The record to save: every field the platform keeps comes from the form or the user.
template <class T>
boost::shared_ptr<T> recordToSave(int tradeType, const QCheckBox* reverse, const QCheckBox* matched,
                                  const QSpinBox* reverseWindow, const QSpinBox* matchedWindow)
{
    auto config = boost::make_shared<T>();
    config->tradeType = tradeType;
    config->reverseCheckOff = !reverse->isChecked();
    config->matchedCheckOff = !matched->isChecked();
    config->reverseWindowSeconds = reverseWindow->value();
    config->matchedWindowSeconds = matchedWindow->value();
    const auto user = utils::CSingletonT<CUserManager>::instance()->getUserInfoPtr();
    config->updatedBy = user ? user->name : std::string();
    config->updateTime.clear(); // the platform stamps it
    return config;
}

QSpinBox* makeWindow(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, kMaxWindowSeconds);
    box->setSuffix(QStringLiteral(" 秒"));
    return box;
}
} // namespace

CReversePageWidget::CReversePageWidget(bool editable, int tradeType, QWidget* parent)
    : Kx::CBaseWidget(kName, false, parent), m_editable(editable), m_tradeType(tradeType)
{
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_reverse = new QCheckBox(QStringLiteral("启用反向交易检查"), this);
    m_reverse->setObjectName(kName + QStringLiteral("_reverse_check"));
    m_reverseWindow = makeWindow(kName + QStringLiteral("_reverse_window"), this);
    m_matched = new QCheckBox(QStringLiteral("启用对敲交易检查"), this);
    m_matched->setObjectName(kName + QStringLiteral("_matched_check"));
    m_matchedWindow = makeWindow(kName + QStringLiteral("_matched_window"), this);
    grid->addWidget(m_reverse, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("检查时间窗口"), this), 1, 0);
    grid->addWidget(m_reverseWindow, 1, 1);
    grid->addWidget(m_matched, 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("检查时间窗口"), this), 3, 0);
    grid->addWidget(m_matchedWindow, 3, 1);
    column->addLayout(grid);

    m_message = makeMessageLine(kName, kMessageHeight, this);
    column->addWidget(m_message);
    column->addStretch(1);

    m_save = new Kx::CPushButton(kSaveButtonId, this);
    m_save->setObjectName(kName + QStringLiteral("_save"));
    m_save->setText(QStringLiteral("保存"));
    m_save->setVisible(m_editable);
    column->addWidget(m_save, 0, Qt::AlignRight);
    showRecord(ttservice::IDataPtr());
    updateEnabled();
}

CReversePageWidget::~CReversePageWidget() = default;

int CReversePageWidget::dataCodeFor(int tradeType)
{
    return tradeType == 2 || tradeType == 1024 ? kFutureCode : kStockCode;
}

void CReversePageWidget::setBasicInfo(const QString& systemName)
{
    m_systemName = systemName;
    if (isActive())
        query();
}

void CReversePageWidget::onActive()
{
    query();
}

void CReversePageWidget::showEvent(QShowEvent* event)
{
    Kx::CBaseWidget::showEvent(event);
    if (isActive())
        query();
}

bool CReversePageWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CPushButton::EventButtonClicked && data == static_cast<void*>(m_save)) {
        save();
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

bool CReversePageWidget::resolveSystem(int& systemTag)
{
    systemTag = 0;
    if (m_systemName.isEmpty())
        return true;
    const auto client =
        utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(m_systemName.toStdString());
    if (!client) {
        setMessage(QStringLiteral("交易系统未连接: %1").arg(m_systemName));
        return false;
    }
    systemTag = client->systemTag();
    return true;
}

void CReversePageWidget::query()
{
    const quint64 number = ++m_query;
    int systemTag = 0;
    if (!resolveSystem(systemTag)) {
        m_read = false;
        updateEnabled();
        return;
    }
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = kName.toStdString();
    req->dataType = dataCodeFor(m_tradeType);
    req->param = std::to_string(m_tradeType);
    req->systemTag = systemTag;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<CQueryReq>&, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records,
                                   int) { onQueried(number, ok, text, records); };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CReversePageWidget::onQueried(quint64 number, bool ok, const QString& text,
                                   const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_query)
        return;
    if (!ok) {
        setMessage(QStringLiteral("请求失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text));
        m_read = false;
        updateEnabled();
        return;
    }
    ttservice::IDataPtr found;
    const bool future = dataCodeFor(m_tradeType) == kFutureCode;
    for (const ttservice::IDataPtr& record : records) {
        const bool ofClass = future ? bool(boost::dynamic_pointer_cast<ttservice::CGlobalFutureRCConfig>(record))
                                    : bool(boost::dynamic_pointer_cast<ttservice::CGlobalStockRCConfig>(record));
        if (ofClass)
            found = record; // the last one wins, as in the overview's table
    }
    m_read = true;
    showRecord(found);
    setMessage(QString());
    updateEnabled();
}

void CReversePageWidget::showRecord(const ttservice::IDataPtr& record)
{
    if (auto future = boost::dynamic_pointer_cast<const ttservice::CGlobalFutureRCConfig>(record))
        readInto(*future, m_reverse, m_matched, m_reverseWindow, m_matchedWindow);
    else if (auto stock = boost::dynamic_pointer_cast<const ttservice::CGlobalStockRCConfig>(record))
        readInto(*stock, m_reverse, m_matched, m_reverseWindow, m_matchedWindow);
    else
        readInto(ttservice::CGlobalStockRCConfig(), m_reverse, m_matched, m_reverseWindow, m_matchedWindow);
}

void CReversePageWidget::save()
{
    if (!m_editable || !m_read || m_saving)
        return;
    int systemTag = 0;
    if (!resolveSystem(systemTag)) {
        emit sigOnDataFinished(false, QStringLiteral("交易系统未连接: %1").arg(m_systemName));
        return;
    }
    ttservice::IDataPtr record;
    if (dataCodeFor(m_tradeType) == kFutureCode)
        record = recordToSave<ttservice::CGlobalFutureRCConfig>(m_tradeType, m_reverse, m_matched,
                                                                m_reverseWindow, m_matchedWindow);
    else
        record = recordToSave<ttservice::CGlobalStockRCConfig>(m_tradeType, m_reverse, m_matched,
                                                               m_reverseWindow, m_matchedWindow);
    record->setSystemTag(systemTag);
    const quint64 number = ++m_saveNumber;
    auto req = boost::make_shared<COperateReq>();
    req->moduleKey = kName.toStdString();
    req->dataType = dataCodeFor(m_tradeType);
    req->operation = ttservice::QDO_QUERY; // the platform's "replace the config under the key"
    req->key = "rat|" + std::to_string(m_tradeType);
    req->data = record;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<COperateReq>&, bool ok, const QString& text) {
        onSaved(number, ok, text);
    };
    m_saving = true;
    setMessage(QString());
    updateEnabled();
    utils::CSingletonT<CVornDataManager>::instance()->operateData(req);
}

void CReversePageWidget::onSaved(quint64 number, bool ok, const QString& text)
{
    if (number != m_saveNumber)
        return;
    m_saving = false;
    updateEnabled();
    if (ok) {
        query();
        emit sigOnDataFinished(true, QStringLiteral("操作成功"));
        return;
    }
    const QString refusal = QStringLiteral("保存失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text);
    setMessage(refusal);
    emit sigOnDataFinished(false, refusal);
}

void CReversePageWidget::setMessage(const QString& text)
{
    m_message->setText(text, kMessageLimit);
    m_message->setToolTip(text);
    m_message->setVisible(!text.isEmpty());
}

void CReversePageWidget::updateEnabled()
{
    const bool editing = m_editable && m_read && !m_saving;
    for (QWidget* w : {static_cast<QWidget*>(m_reverse), static_cast<QWidget*>(m_matched),
                       static_cast<QWidget*>(m_reverseWindow), static_cast<QWidget*>(m_matchedWindow),
                       static_cast<QWidget*>(m_save)})
        w->setEnabled(editing);
}

} // namespace Ocv
