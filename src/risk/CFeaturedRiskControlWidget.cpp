#include "risk/CFeaturedRiskControlWidget.h"

#include "base/EventIds.h"
#include "kx/CImage.h"
#include "kx/CPushButton.h"
#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QPainter>

namespace Ocv {

namespace {
constexpr int kWidth = 384;
constexpr int kHeight = 273;
constexpr int kTitleX = 30;
constexpr int kTitleY = 40;
constexpr int kCardX = 50;
constexpr int kCardWidth = 265;
constexpr int kCardHeight = 40;
constexpr int kCardRadius = 5;
constexpr int kCardIconX = 70;
constexpr int kCardIconDrop = 9;
constexpr int kButtonX = 100;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 40;
constexpr int kSettingMarkX = 280;
constexpr int kSettingMarkDrop = 13;

const QString kTitle = QStringLiteral("特色风控");
const QString kTitleFontKey = QStringLiteral("ocv_fnt_welcome_widget_title");
const QString kTitleColorKey = QStringLiteral("clr_welcome_text_title");
const QString kButtonFontKey = QStringLiteral("ocv_fnt_welcome_top_widget_current_number");

struct Card
{
    const char* text;
    const char* textColorKey;
    const char* colorKey;
    int top; // below the title's line height
    const char* iconKey;
    const char* settingMarkKey;
};

const Card kCards[2] = {
    {"证券回购减持风控", "clr_top_account_color", "clr_welcome_risk_securities_reduction", 80,
     "img_btn_securities_reduction", "img_btn_risk_control_setting"},
    {"交易所合规风控", "clr_top_product_color", "clr_welcome_risk_exchange_compliance", 150,
     "img_btn_exchange_compliance", "img_btn_risk_control_setting_orange"},
};

Kx::CUiResource* resources()
{
    return utils::CSingletonT<Kx::CUiResource>::instance();
}
} // namespace

CFeaturedRiskControlWidget::CFeaturedRiskControlWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("featured_risk_control"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    for (int i = 0; i < 2; ++i) {
        auto* button = new Kx::CPushButton(i, this);
        button->setObjectName(QStringLiteral("featured_risk_control_button_%1").arg(i));
        button->setText(QString::fromUtf8(kCards[i].text));
        button->setTextColorKey(QString::fromLatin1(kCards[i].textColorKey));
        button->setTextFontKey(kButtonFontKey);
        // The card's colour behind the text, so the button reads as part of the card.
        button->setButtonColor(Kx::CButtonColor(QString::fromLatin1(kCards[i].colorKey)));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        m_buttons[i] = button;
    }
    m_images[0] = std::make_unique<Kx::CImage>(QString::fromLatin1(kCards[0].iconKey));
    m_images[1] = std::make_unique<Kx::CImage>(QString::fromLatin1(kCards[1].iconKey));
    m_images[2] = std::make_unique<Kx::CImage>(QString::fromLatin1(kCards[0].settingMarkKey));
    m_images[3] = std::make_unique<Kx::CImage>(QString::fromLatin1(kCards[1].settingMarkKey));
}

CFeaturedRiskControlWidget::~CFeaturedRiskControlWidget() = default;

bool CFeaturedRiskControlWidget::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    // The entries have nothing to open yet; their clicks end here.
    if (eventId == EventId::Button && (a == 0 || a == 1))
        return true;
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

void CFeaturedRiskControlWidget::paintEvent(QPaintEvent* event)
{
    Kx::CBaseWidget::paintEvent(event);
    QPainter painter(this);
    const QFont titleFont = *resources()->getFont(kTitleFontKey);
    const int lineHeight = QFontMetrics(titleFont).height();
    painter.setFont(titleFont);
    painter.setPen(*resources()->getColor(kTitleColorKey));
    painter.drawText(QRect(kTitleX, kTitleY, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, kTitle);

    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 2; ++i) {
        const Card& card = kCards[i];
        const int top = lineHeight + card.top;
        const QColor color = *resources()->getColor(QString::fromLatin1(card.colorKey));
        painter.setPen(color);
        painter.setBrush(color);
        painter.drawRoundedRect(QRect(kCardX, top, kCardWidth, kCardHeight), kCardRadius, kCardRadius);
        const Kx::CImage& icon = *m_images[i];
        icon.drawImage(&painter, kCardIconX, top + kCardIconDrop, icon.width(), icon.height());
        m_buttons[i]->move(kButtonX, top);
        const Kx::CImage& mark = *m_images[2 + i];
        mark.drawImage(&painter, kSettingMarkX, top + kSettingMarkDrop, mark.width(), mark.height());
    }
}

} // namespace Ocv
