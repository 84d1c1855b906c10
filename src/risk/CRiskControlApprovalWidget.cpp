#include "risk/CRiskControlApprovalWidget.h"

#include "base/EventIds.h"
#include "data/ttservice/EQDRCApprovalStatus.h"
#include "kx/CImage.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CUiResource.h"
#include "risk/CRiskControlApprovalDialog.h"
#include "siblings/CRiskApprovalPanel.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace Ocv {

namespace {
constexpr int kWidth = 380;
constexpr int kHeight = 570;
constexpr int kRefreshPeriodMs = 60000;
constexpr int kNoTextLimit = 100000;
constexpr int kFirstState = 2; // card i counts state i + 2: pending, passed, rejected

const QString kTitle = QStringLiteral("风控审批");
const QString kTitleFontKey = QStringLiteral("ocv_fnt_welcome_widget_title");
const QString kTitleColorKey = QStringLiteral("clr_welcome_text_title");
const QString kCardFontKey = QStringLiteral("ocv_fnt_welcome_risk_btn_title");
constexpr int kTitleX = 30;
constexpr int kTitleY = 40;
constexpr int kCardsTop = 100; // under the title
constexpr int kCardPitch = 140;
constexpr int kCardWidth = 245;
constexpr int kCardHeight = 80;
constexpr int kCardRadius = 5;
constexpr int kAccentX = 50;
constexpr int kBodyX = 70;
constexpr int kAreaX = 60;
constexpr int kLabelX = 80;
constexpr int kLabelDrop = 15;
constexpr int kLabelWidth = 140;
constexpr int kImageX = 200;
constexpr int kImageDrop = 23;

struct Card
{
    const char* label;
    const char* textColorKey;
    const char* backgroundColorKey;
    const char* imageKey;
};

const Card kCardLooks[] = {
    {"待审批", "clr_welcome_risk_pending_text", "clr_welcome_risk_pending_background",
     "img_btn_risk_control_pending"},
    {"已通过", "clr_welcome_risk_passed_text", "clr_welcome_risk_passed_background",
     "img_btn_risk_control_passed"},
    {"未通过", "clr_welcome_risk_rejected_text", "clr_welcome_risk_rejected_background",
     "img_btn_risk_control_rejected"},
};

Kx::CUiResource* resources()
{
    return utils::CSingletonT<Kx::CUiResource>::instance();
}

ttservice::EQDRCApprovalStatus stateOf(int card)
{
    return static_cast<ttservice::EQDRCApprovalStatus>(card + kFirstState);
}
} // namespace

CRiskControlApprovalWidget::CRiskControlApprovalWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("risk_control_approval"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    for (int i = 0; i < kCards; ++i) {
        auto* count =
            new Kx::CSimpleTextWidget(i, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, this);
        count->setObjectName(QStringLiteral("risk_control_approval_count_%1").arg(i));
        count->setClickable(true);
        count->setFontKey(kCardFontKey);
        count->setTextColorKey(QString::fromLatin1(kCardLooks[i].textColorKey));
        m_counts[i] = count;
        setCount(i, QStringLiteral("**"));
    }
    for (int i = 0; i < kCards; ++i)
        m_images[i] = std::make_unique<Kx::CImage>(QString::fromLatin1(kCardLooks[i].imageKey));
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CRiskControlApprovalWidget::slotTimeOut);
    m_pTimer->start(kRefreshPeriodMs);
    updateLayout();
}

CRiskControlApprovalWidget::~CRiskControlApprovalWidget() = default;

void CRiskControlApprovalWidget::switchSystem(int systemId, QString systemName)
{
    if (m_pDialog && m_pDialog->panel())
        m_pDialog->panel()->switchSystem(systemId, systemName);
}

void CRiskControlApprovalWidget::slotTimeOut()
{
    if (!m_pDialog || !m_pDialog->panel())
        return;
    for (int i = 0; i < kCards; ++i)
        setCount(i, QString::number(m_pDialog->panel()->getRiskStatusNum(stateOf(i))));
    update();
}

// The labels sit in no layout: each is sized to its text, so that no count is ever elided.
void CRiskControlApprovalWidget::setCount(int card, const QString& text)
{
    m_counts[card]->setText(text, kNoTextLimit);
    m_counts[card]->adjustSize();
}

bool CRiskControlApprovalWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == EventId::TextClicked) {
        openDialog(a);
        return true;
    }
    if (eventId == EventId::DataChanged) {
        slotTimeOut();
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

// A count opens the dialog, creating it the first time; an id of no card shows it unfiltered.
void CRiskControlApprovalWidget::openDialog(int card)
{
    if (!m_pDialog) {
        m_pDialog = new CRiskControlApprovalDialog(this);
        m_pDialog->hide();
    }
    if (card >= 0 && card < kCards)
        m_pDialog->panel()->filterDataByStatus(stateOf(card));
    m_pDialog->show();
}

void CRiskControlApprovalWidget::mousePressEvent(QMouseEvent* event)
{
    Kx::CBaseWidget::mousePressEvent(event);
    // Before the dialog exists only a count opens it.
    if (!m_pDialog)
        return;
    for (int i = 0; i < kCards; ++i) {
        if (m_cards[i].contains(event->pos())) {
            m_pDialog->panel()->filterDataByStatus(stateOf(i));
            m_pDialog->show();
        }
    }
}

void CRiskControlApprovalWidget::themeChanged()
{
    Kx::CBaseWidget::themeChanged();
    updateLayout();
}

// Everything but the texts' pixels depends on the two fonts' heights only.
void CRiskControlApprovalWidget::updateLayout()
{
    const int titleHeight = QFontMetrics(*resources()->getFont(kTitleFontKey)).height();
    m_titleRect = QRect(kTitleX, kTitleY, width(), titleHeight);
    m_labelHeight = QFontMetrics(*resources()->getFont(kCardFontKey)).height();
    const int firstTop = titleHeight + kCardsTop;
    for (int i = 0; i < kCards; ++i) {
        const int y = firstTop + kCardPitch * i;
        m_cardTops[i] = y;
        m_cards[i] = QRect(kAreaX, y - 1, kCardWidth, kCardHeight + 2);
        m_counts[i]->move(kLabelX, y + kLabelDrop + m_labelHeight);
    }
    update();
}

void CRiskControlApprovalWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setFont(*resources()->getFont(kTitleFontKey));
    painter.setPen(*resources()->getColor(kTitleColorKey));
    painter.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, kTitle);

    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (int i = 0; i < kCards; ++i)
        paintCard(&painter, i);
}

void CRiskControlApprovalWidget::paintCard(QPainter* painter, int i) const
{
    const Card& card = kCardLooks[i];
    const int y = m_cardTops[i];
    const QColor text = *resources()->getColor(QString::fromLatin1(card.textColorKey));
    const QColor background = *resources()->getColor(QString::fromLatin1(card.backgroundColorKey));
    painter->setPen(text);
    painter->setBrush(text);
    painter->drawRoundedRect(QRect(kAccentX, y, kCardWidth, kCardHeight), kCardRadius, kCardRadius);
    painter->setPen(background);
    painter->setBrush(background);
    painter->drawRoundedRect(QRect(kBodyX, y, kCardWidth, kCardHeight), kCardRadius, kCardRadius);
    painter->fillRect(m_cards[i], background);

    painter->setFont(*resources()->getFont(kCardFontKey));
    painter->setPen(text);
    painter->drawText(QRect(kLabelX, y + kLabelDrop, kLabelWidth, m_labelHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(card.label));
    m_images[i]->drawImage(painter, kImageX, y + kImageDrop, m_images[i]->width(), m_images[i]->height());
}

} // namespace Ocv
