#include "risk/CProductRiskControlWidget.h"

#include "base/EventIds.h"
#include "base/WelcomeLog.h"
#include "common/CProductDataManager.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornProductInfo.h"
#include "kx/CTreeWidget.h"
#include "kx/CWidgetList.h"
#include "risk/RiskLauncher.h"
#include "risk/TreeNodeBatches.h"
#include "siblings/CProductRiskControlPageWidget.h"
#include "siblings/CProductRiskControlTemplateWidget.h"
#include "utils/CSingletonT.h"

namespace Ocv {

namespace {
constexpr int kWidth = 380;
constexpr int kHeight = 570;
constexpr int kProductListCode = 12224;
// With this system id the list keeps only the products of the system's own server.
constexpr int kSingleServerSystemId = 1;
constexpr int kLoadTag = 0;

boost::shared_ptr<ttservice::CVornProductInfo> productOf(const ttservice::IDataPtr& record)
{
    return boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record);
}
} // namespace

// --- the column -------------------------------------------------------------------------------

CProductRiskControlWidget::CProductRiskControlWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("product_risk_control"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    createUi();
}

CProductRiskControlWidget::~CProductRiskControlWidget() = default;

void CProductRiskControlWidget::createUi()
{
    buildRiskLauncher(
        this, QStringLiteral("产品风控"), true,
        {{{SettingEntry, QStringLiteral("img_btn_product_risk_setting"), QStringLiteral("产品风控设置"),
           QSize(150, 36), QStringLiteral("product_risk_setting_entry")},
          {TemplateEntry, QStringLiteral("img_btn_product_risk_template"), QStringLiteral("产品风控模板应用"),
           QSize(165, 36), QStringLiteral("product_risk_template_entry")},
          {TemplateGroupEntry, QStringLiteral("img_btn_product_risk_template_group"),
           QStringLiteral("产品风控模板组应用"), QSize(180, 36),
           QStringLiteral("product_risk_template_group_entry")}}});
}

void CProductRiskControlWidget::switchSystem(int systemId, QString& systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
    if (m_pSettingDialog)
        m_pSettingDialog->setSystem(systemId, systemName);
    if (m_pTemplateDialog)
        m_pTemplateDialog->templateList()->switchSystem(systemId, systemName);
}

bool CProductRiskControlWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId != EventId::TextClicked)
        return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    switch (a) {
    case SettingEntry:
        if (!m_pSettingDialog) {
            m_pSettingDialog = new CProductRiskSettingDialog(this);
            m_pSettingDialog->setSystem(m_systemId, m_systemName);
        }
        m_pSettingDialog->show();
        break;
    case TemplateEntry:
        if (!m_pTemplateDialog) {
            m_pTemplateDialog = new CProductRiskTemplateDialog(this);
            m_pTemplateDialog->templateList()->switchSystem(m_systemId, m_systemName);
        }
        m_pTemplateDialog->show();
        break;
    case TemplateGroupEntry:
        if (!m_pTemplateGroupDialog)
            m_pTemplateGroupDialog = new CProductRiskTemplateGroupDialog(this);
        m_pTemplateGroupDialog->show();
        break;
    default:
        break;
    }
    return true;
}

// --- the setting dialog -----------------------------------------------------------------------

CProductRiskSettingDialog::CProductRiskSettingDialog(QWidget* parent)
    : CRiskTreeDialog(QStringLiteral("product_risk_setting"), QStringLiteral("产品风控设置"),
                      QStringLiteral("请输入产品名称, 按Enter查询"), parent)
{
    m_pPage = new CProductRiskControlPageWidget(body());
    body()->addStretchWidget(m_pPage, 1, Kx::AnchorFill);
    connect(this, &CProductRiskSettingDialog::sigProductsReady, this,
            &CProductRiskSettingDialog::slotProductsReady, Qt::QueuedConnection);
    loadProducts();
}

CProductRiskSettingDialog::~CProductRiskSettingDialog()
{
    m_answerGuard.close();
}

void CProductRiskSettingDialog::setSystem(int systemId, const QString& systemName)
{
    m_systemId = systemId;
    m_systemName = systemName;
}

ttservice::IDataPtr CProductRiskSettingDialog::recordOf(int nodeId) const
{
    boost::mutex::scoped_lock lock(m_mutex);
    return m_nodeMap.value(nodeId);
}

int CProductRiskSettingDialog::nodeMapSize() const
{
    boost::mutex::scoped_lock lock(m_mutex);
    return m_nodeMap.size();
}

bool CProductRiskSettingDialog::isLoading() const
{
    return m_waiting || !batches()->isIdle();
}

void CProductRiskSettingDialog::reload()
{
    loadProducts();
}

void CProductRiskSettingDialog::loadProducts()
{
    if (!tree())
        return;
    batches()->clear();
    tree()->clearNodes();
    m_newMap.clear();
    {
        boost::mutex::scoped_lock lock(m_mutex);
        m_nodeMap.clear();
    }
    const quint64 load = ++m_load;
    RequestReq request;
    request.callback = m_answerGuard.wrap(
        boost::function<void(int)>([this, load](int dataType) { emit sigProductsReady(dataType, load); }));
    request.dataType = kProductListCode;
    request.systemId = -1;
    request.refresh = true;
    m_waiting = true;
    utils::CSingletonT<CProductDataManager>::instance()->requestData(request);
    updateLoading();
}

void CProductRiskSettingDialog::slotProductsReady(int dataType, quint64 load)
{
    // Another code, or the answer to a load that "刷新" has replaced, changes nothing.
    if (dataType != kProductListCode || load != m_load)
        return;
    m_waiting = false;
    const auto responses = utils::CSingletonT<CProductDataManager>::instance()->getVornProductPtr();
    CVornClientCenter* center = utils::CSingletonT<CVornClientCenter>::instance();
    QStringList texts;
    std::vector<ttservice::IDataPtr> records;
    for (const auto& response : responses) {
        if (!response)
            continue;
        for (const auto& record : response->products) {
            const auto product = productOf(record);
            if (!product)
                continue;
            if (m_systemId == kSingleServerSystemId &&
                QString::fromStdString(center->getServerNameBySystemTag(product->getSystemTag())) !=
                    m_systemName)
                continue;
            texts << QString::fromStdString(product->productName);
            records.push_back(product);
        }
    }
    WELCOME_LOG(QStringLiteral("listing %1 products").arg(texts.size()));
    batches()->append(kLoadTag, 0, texts, records);
    if (texts.isEmpty())
        finishLoad();
}

void CProductRiskSettingDialog::nodesAdded(int, const QVector<int>& ids,
                                           const std::vector<ttservice::IDataPtr>& records)
{
    for (int i = 0; i < ids.size(); ++i)
        m_newMap.insert(ids[i], records[i]);
}

void CProductRiskSettingDialog::batchesDone()
{
    finishLoad();
}

void CProductRiskSettingDialog::finishLoad()
{
    if (!m_waiting && batches()->isIdle()) {
        boost::mutex::scoped_lock lock(m_mutex);
        m_nodeMap.swap(m_newMap);
        m_newMap.clear();
    }
    updateLoading();
}

void CProductRiskSettingDialog::search(const QString& text)
{
    QVector<int> matches;
    QVector<int> others;
    {
        boost::mutex::scoped_lock lock(m_mutex);
        for (auto node = m_nodeMap.cbegin(); node != m_nodeMap.cend(); ++node) {
            const auto product = productOf(node.value());
            if (!product)
                continue;
            const bool match =
                !text.isEmpty() &&
                QString::fromStdString(product->productName).contains(text, Qt::CaseInsensitive);
            (match ? matches : others).push_back(node.key());
        }
    }
    showSearchResult(matches, others);
}

void CProductRiskSettingDialog::selectNode(int nodeId)
{
    const auto product = productOf(recordOf(nodeId));
    if (!product || !m_pPage)
        return;
    setTitle(QStringLiteral("产品风控设置 - [%1]").arg(QString::fromStdString(product->productName)));
    m_pPage->setProductID(QString::number(product->getSystemTag()), product->productId);
    m_pPage->setActive(true, true);
}

// --- the template dialogs ---------------------------------------------------------------------
// The product dialogs carry the account dialogs' titles.

CProductRiskTemplateDialog::CProductRiskTemplateDialog(QWidget* parent)
    : CRiskTemplateDialog(false, QStringLiteral("product_risk_template_dialog"),
                          QStringLiteral("账号风控模板应用"), parent)
{
}

CProductRiskTemplateDialog::~CProductRiskTemplateDialog() = default;

CProductRiskTemplateGroupDialog::CProductRiskTemplateGroupDialog(QWidget* parent)
    : CRiskTemplateGroupDialog(false, QStringLiteral("product_risk_template_group_dialog"),
                               QStringLiteral("账号风控模板组应用"), parent)
{
}

CProductRiskTemplateGroupDialog::~CProductRiskTemplateGroupDialog() = default;

} // namespace Ocv
