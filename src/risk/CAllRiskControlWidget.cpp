#include "risk/CAllRiskControlWidget.h"

#include "base/EventIds.h"
#include "kx/CImageWidget.h"
#include "kx/CMessageBox.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CWidgetList.h"
#include "risk/CGlobalRiskControlWidget.h"
#include "siblings/CProductManagePanel.h"

#include <QLayout>
#include <QPointer>

namespace Ocv {

namespace {
constexpr int kWidth = 610;
constexpr int kHeight = 570;
constexpr int kHeaderHeight = 135;
constexpr int kHeaderRightMargin = 45;
constexpr int kTitleBlockLeft = 35;
constexpr int kTitleBlockTop = 50;
constexpr int kTitleBlockWidth = 300;
constexpr int kTitleWidth = 120;
constexpr int kTitleHeight = 35;
constexpr int kBreakTextHeight = 37;
constexpr int kSwitchWidth = 160;
constexpr int kSwitchHeight = 40;
constexpr int kLabelWidth = 90;
constexpr int kLabelHeight = 40;
constexpr int kLabelOverOn = 20;  // the label's offset over the "on" image
constexpr int kLabelOverOff = 40; // and over the "off" image
constexpr int kBreakIconX = 172;
constexpr int kBreakIconY = 56;

// Ids of the header's images and texts, as their click events carry them.
constexpr int kOffImageId = 0;
constexpr int kOnImageId = 1;
constexpr int kBreakIconId = 2;
constexpr int kBreakTextId = 3;
constexpr int kTitleTextId = 4;

constexpr int kAllOn = 1;
constexpr int kAllOff = 2;

const int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
constexpr int kNoTextLimit = 100000;
} // namespace

CAllRiskControlWidget::CAllRiskControlWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("all_risk_control"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    createUi();
}

CAllRiskControlWidget::~CAllRiskControlWidget() = default;

void CAllRiskControlWidget::createUi()
{
    auto* outer = new Kx::CWidgetList(Qt::Vertical, this);
    outer->setMargin(0, 0, 0, 0);
    outer->setSpacing(0);
    setInnerStretchWidget(outer, 0, 0, 0, 0);

    m_pHeader = new Kx::CWidgetList(Qt::Horizontal, outer);
    m_pHeader->setMargin(0, 0, kHeaderRightMargin, 0);
    m_pHeader->setSpacing(0);
    m_pHeader->setFixedHeight(kHeaderHeight);

    auto* titleBlock = new Kx::CWidgetList(Qt::Horizontal, m_pHeader);
    titleBlock->setMargin(kTitleBlockLeft, kTitleBlockTop, 0, 0);
    titleBlock->setFixedWidth(kTitleBlockWidth);
    auto* title = new Kx::CSimpleTextWidget(kTitleTextId, kTextFlags, titleBlock);
    title->setObjectName(QStringLiteral("all_risk_control_title"));
    title->setFontKey(QStringLiteral("ocv_fnt_welcome_widget_title"));
    title->setTextColorKey(QStringLiteral("clr_welcome_text_title"));
    title->setText(QStringLiteral("全局风控"), kNoTextLimit);
    title->setFixedSize(kTitleWidth, kTitleHeight);
    titleBlock->addFixedWidget(title, Kx::AnchorFill, true);
    m_pBreakIcon = new Kx::CImageWidget(kBreakIconId, QStringLiteral("img_risk_break"), titleBlock);
    m_pBreakIcon->setObjectName(QStringLiteral("all_risk_control_break_icon"));
    m_pBreakIcon->setClickable(true);
    m_pBreakIcon->setFixedSize(m_pBreakIcon->sizeHint());
    titleBlock->addFixedWidget(m_pBreakIcon, Kx::AnchorFill, true);
    titleBlock->addFixedSpace(10);
    auto* breakText = new Kx::CSimpleTextWidget(kBreakTextId, kTextFlags, titleBlock);
    breakText->setObjectName(QStringLiteral("all_risk_control_break_text"));
    breakText->setText(QStringLiteral("风控违规信息"), kNoTextLimit);
    breakText->setClickable(true);
    breakText->setFixedHeight(kBreakTextHeight);
    titleBlock->addFixedWidget(breakText, Kx::AnchorFill, true);
    titleBlock->addFixedSpace(5);

    m_pHeader->addFixedWidget(titleBlock, Kx::AnchorFill, true);
    m_pHeader->addStretchSpace(1);
    m_pOffImage = new Kx::CImageWidget(kOffImageId, QStringLiteral("img_btn_risk_control_disable"), m_pHeader);
    m_pOffImage->setObjectName(QStringLiteral("all_risk_control_off"));
    m_pOffImage->setFixedSize(kSwitchWidth, kSwitchHeight);
    m_pOffImage->setClickable(true);
    m_pOffImage->hide();
    m_pHeader->addFixedWidget(m_pOffImage, Kx::AnchorCenter, false);
    m_pOnImage = new Kx::CImageWidget(kOnImageId, QStringLiteral("img_btn_risk_control_enable"), m_pHeader);
    m_pOnImage->setObjectName(QStringLiteral("all_risk_control_on"));
    m_pOnImage->setFixedSize(kSwitchWidth, kSwitchHeight);
    m_pOnImage->setClickable(true);
    m_pOnImage->hide();
    m_pHeader->addFixedWidget(m_pOnImage, Kx::AnchorCenter, false);

    // Over whichever image is shown, placed by hand: not part of the row.
    m_pSwitchLabel = new Kx::CSimpleTextWidget(0, kTextFlags, m_pHeader);
    m_pSwitchLabel->setObjectName(QStringLiteral("all_risk_control_switch_text"));
    m_pSwitchLabel->setTextColorKey(QStringLiteral("clr_welcome_risk_btn_text"));
    m_pSwitchLabel->setFontKey(QStringLiteral("ocv_fnt_welcome_risk_btn_text"));
    m_pSwitchLabel->setFixedSize(kLabelWidth, kLabelHeight);
    m_pSwitchLabel->setText(QStringLiteral("启用全部风控"), kNoTextLimit);
    // The label lies over the image: clicks go through to it.
    m_pSwitchLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    outer->addFixedWidget(m_pHeader, Kx::AnchorFill, true);
    m_pGlobalWidget = new CGlobalRiskControlWidget(this);
    outer->addFixedWidget(m_pGlobalWidget, Kx::AnchorFill, true);
}

void CAllRiskControlWidget::switchSystem(int systemId, const QString& systemName)
{
    if (m_pProductPanel)
        m_pProductPanel->switchSystem(systemId, systemName);
    if (m_pGlobalWidget)
        m_pGlobalWidget->switchSystem(systemId, systemName);
}

void CAllRiskControlWidget::placeSwitch()
{
    Kx::CImageWidget* shown = m_allEnabled ? m_pOnImage : m_pOffImage;
    Kx::CImageWidget* hidden = m_allEnabled ? m_pOffImage : m_pOnImage;
    if (hidden->isVisibleTo(m_pHeader) || !shown->isVisibleTo(m_pHeader)) {
        hidden->hide();
        shown->show();
        // The row places the image now shown at once, so that the label lands over it.
        m_pHeader->layout()->invalidate();
        m_pHeader->layout()->activate();
    }
    m_pSwitchLabel->move(shown->x() + (m_allEnabled ? kLabelOverOn : kLabelOverOff), shown->y());
    m_pSwitchLabel->raise();
    m_pBreakIcon->move(kBreakIconX, kBreakIconY);
}

void CAllRiskControlWidget::updateBtn()
{
    const int panel = m_pProductPanel ? m_pProductPanel->isAllRiskControlEnable() : 0;
    const int global = m_pGlobalWidget ? m_pGlobalWidget->globalState() : 0;
    if (panel == kAllOff && global == kAllOff)
        m_allEnabled = false;
    else if (panel == kAllOn && global == kAllOn)
        m_allEnabled = true;
    // The first report decides even when only one side is known (the panel usually is not).
    if (m_firstUpdate) {
        m_firstUpdate = false;
        if (panel == kAllOff || global == kAllOff)
            m_allEnabled = false;
        else if (panel == kAllOn || global == kAllOn)
            m_allEnabled = true;
        placeSwitch();
    }
    update();
}

void CAllRiskControlWidget::jumpToRiskView()
{
    deliverEvent(EventId::OpenView, -1, ViewId::Risk, QString(), nullptr);
}

bool CAllRiskControlWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    switch (eventId) {
    case EventId::TextClicked:
        if (a == kBreakTextId)
            jumpToRiskView();
        return true;
    case EventId::ImageClicked:
        if (a == kBreakIconId)
            jumpToRiskView();
        else
            enableAllRiskControl(a);
        return true;
    case EventId::DataChanged:
        updateBtn();
        return true;
    default:
        return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    }
}

void CAllRiskControlWidget::enableAllRiskControl(int imageId)
{
    const bool enable = imageId == kOffImageId;
    const int target = enable ? 1 : 0;
    const QString question = enable ? QStringLiteral("确认启用所有风控设置!") : QStringLiteral("确认禁用所有风控设置!");
    QPointer<CAllRiskControlWidget> self(this);
    const auto answer = Kx::CMessageBox::question(this, QStringLiteral("提示"), question,
                                                  Kx::CMessageBox::Buttons(Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel),
                                                  Kx::CMessageBox::NoButton);
    // The question runs its own event loop: the widget may be gone by now.
    if (!self || answer != Kx::CMessageBox::Ok)
        return;
    if (!m_pProductPanel) {
        m_pProductPanel = new CProductManagePanel(this);
        m_pProductPanel->hide();
    }
    m_pProductPanel->EnableAllRiskControl(target);
    if (m_pGlobalWidget)
        m_pGlobalWidget->enableAll(target);
    m_allEnabled = target == 1;
    update();
}

void CAllRiskControlWidget::paintEvent(QPaintEvent* event)
{
    Kx::CBaseWidget::paintEvent(event);
    placeSwitch();
}

} // namespace Ocv
