#include "dashboard/CLeftWidget.h"

#include "base/EventIds.h"
#include "base/Hairlines.h"
#include "common/NeeqString.h"
#include "data/CUserManager.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "kx/CImage.h"
#include "utils/CSingletonT.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <climits>

namespace Ocv {

namespace {
using Info = ttservice::CVornSubManagerInfo;

constexpr int kWidth = 1520;
constexpr int kHeight = 860;

const QColor kGridColor(219, 219, 219);
const QColor kNumberColor(158, 201, 222);
const QColor kLabelColor(102, 102, 102);

constexpr int kBandTops[] = {202, 404, 606};
constexpr int kCellWidth = 380;
constexpr int kIconSize = 60;
constexpr int kIconX = 75;
constexpr int kLabelGap = 15;

// Accounts band: slots of five per row.
constexpr int kAccountsIconY = 80;
constexpr int kSlotX = 208;
constexpr int kSlotPitchX = 205;
constexpr int kSlotsPerRow = 5;
constexpr int kAccountsBaseline = 95;
constexpr int kRowPitch = 48;

constexpr int kUsersIconY = 282;

// Resource cells.
constexpr int kCellIconX = 120;
constexpr int kCellIconY = 484;
constexpr int kCellNumberX = 203;

struct AccountType
{
    int right;
    int Info::*field;
    const char* label; // null: built from the NEEQ name
};

const AccountType kAccountTypes[12] = {
    {10037, &Info::futuresAccounts, "个期货账号"},
    {10041, &Info::stockAccounts, "个股票账号"},
    {10089, &Info::creditAccounts, "个信用账号"},
    {10657, &Info::stockOptionAccounts, "个股票期权账号"},
    {10953, &Info::neeqAccounts, nullptr},
    {10871, &Info::futuresOptionAccounts, "个期货期权账号"},
    {13091, &Info::interbankAccounts, "个银行间账号"},
    {10745, &Info::shHkAccounts, "个沪港通账号"},
    {11501, &Info::szHkAccounts, "个深港通账号"},
    {14355, &Info::bankAccounts, "个银行账号"},
    {13355, &Info::otcAccounts, "个场外账号"},
    {15355, &Info::financeAccounts, "个理财账号"},
};

struct RoleCount
{
    QPoint number;
    int Info::*field;
    const char* label;
};

const RoleCount kRoleCounts[] = {
    {{208, 297}, &Info::riskOfficers, "个风控员"},
    {{413, 297}, &Info::investmentAdvisers, "个投资顾问"},
    {{618, 297}, &Info::investmentManagers, "个投资经理"},
    {{823, 297}, &Info::queryOfficers, "个查询员"},
    {{1028, 297}, &Info::independentAdvisers, "个独立投顾"},
    {{208, 345}, &Info::positionClosers, "个平仓员"},
    {{413, 345}, &Info::orderTakers, "个接单员"},
    {{618, 345}, &Info::traders, "个交易员"},
    {{823, 345}, &Info::independentTraders, "个独立交易员"},
};

struct ResourceCell
{
    int Info::*field;
    int numberBaseline;
    const char* caption;
    int captionBaseline;
};

const ResourceCell kResourceCells[] = {
    {&Info::productCount, 504, "产品", 529},
    {&Info::signalOrderCount, 504, "信号单和便捷交易", 529},
    {&Info::apiCount, 504, "API", 529},
    {&Info::proxyCount, 499, "透明代理", 524},
};

// Armed areas: -1 is the users band, 0..3 the resource cells.
struct ArmedArea
{
    int area;
    int right;
    int listKind;
};

constexpr ArmedArea kArmedAreas[] = {{-1, 12179, 1}, {1, 12201, 4}, {2, 12203, 2}, {3, 12205, 3}};

CUserManager* users()
{
    return utils::CSingletonT<CUserManager>::instance();
}

// A number followed by its label, 15 pixels after the number's end, in the painter's font.
void paintNumberAndLabel(QPainter* painter, const QPoint& at, const QString& number, const QString& label)
{
    painter->setPen(kNumberColor);
    painter->drawText(at, number);
    painter->setPen(kLabelColor);
    const int labelX = at.x() + kLabelGap + QFontMetrics(painter->font()).horizontalAdvance(number);
    painter->drawText(labelX, at.y(), label);
}
} // namespace

CLeftWidget::CLeftWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("wolcome_left_widget"), false, parent)
{
    setFixedSize(kWidth, kHeight);
    for (std::size_t i = 0; i < m_accountTypeShown.size(); ++i)
        m_accountTypeShown[i] = users()->checkUserAuth(kAccountTypes[i].right);
    const char* const keys[ImageCount] = {"ocv_img_wolcome_top_2", "ocv_img_wolcome_top_3",
                                          "ocv_img_wolcome_top_1", "ocv_img_wolcome_top_6",
                                          "ocv_img_wolcome_top_7", "ocv_img_wolcome_top_8"};
    for (int i = 0; i < ImageCount; ++i)
        m_images[i] = std::make_unique<Kx::CImage>(QString::fromLatin1(keys[i]));
}

CLeftWidget::~CLeftWidget() = default;

void CLeftWidget::setManagerInfo(boost::shared_ptr<ttservice::CVornSubManagerInfo> info)
{
    m_pInfo = std::move(info);
    update();
}

void CLeftWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGrid(&painter);

    m_usersRect = QRect(QPoint(0, kBandTops[0]), QPoint(kWidth - 1, kBandTops[1] - 1));
    m_resourceRects.clear();
    for (int k = 0; k < 4; ++k) {
        m_resourceRects.append(
            QRect(QPoint(k * kCellWidth, kBandTops[1]), QPoint((k + 1) * kCellWidth - 1, kBandTops[2] - 1)));
    }

    paintAccounts(&painter);
    paintUsers(&painter);
    paintResources(&painter);
}

void CLeftWidget::paintGrid(QPainter* painter) const
{
    drawHairRect(painter, rect(), kGridColor);
    for (int y : kBandTops)
        drawHairLine(painter, 0, y, kWidth, y, kGridColor);
    for (int k = 1; k < 4; ++k)
        drawHairLine(painter, k * kCellWidth, kBandTops[1], k * kCellWidth, kBandTops[2], kGridColor);
}

void CLeftWidget::paintAccounts(QPainter* painter) const
{
    m_images[AccountsImage]->drawImage(painter, kIconX, kAccountsIconY, kIconSize, kIconSize);
    int slot = 0;
    for (std::size_t i = 0; i < m_accountTypeShown.size(); ++i) {
        if (!m_accountTypeShown[i])
            continue;
        const AccountType& type = kAccountTypes[i];
        const QString number = m_pInfo ? QString::number((*m_pInfo).*type.field, 10) : QStringLiteral("0");
        const QString label = type.label ? QString::fromUtf8(type.label)
                                         : QStringLiteral("个") + getNeeqString() + QStringLiteral("账号");
        const QPoint at(kSlotX + kSlotPitchX * (slot % kSlotsPerRow),
                        kAccountsBaseline + kRowPitch * (slot / kSlotsPerRow));
        paintNumberAndLabel(painter, at, number, label);
        ++slot;
    }
}

void CLeftWidget::paintUsers(QPainter* painter) const
{
    m_images[UsersImage]->drawImage(painter, kIconX, kUsersIconY, kIconSize, kIconSize);
    for (const RoleCount& role : kRoleCounts) {
        const QString number = m_pInfo ? QString::number((*m_pInfo).*role.field, 10) : QStringLiteral("0");
        paintNumberAndLabel(painter, role.number, number, QString::fromUtf8(role.label));
    }
}

void CLeftWidget::paintResources(QPainter* painter) const
{
    for (int k = 0; k < 4; ++k) {
        const ResourceCell& cell = kResourceCells[k];
        const int left = kCellWidth * k;
        m_images[ProductsImage + k]->drawImage(painter, left + kCellIconX, kCellIconY, kIconSize, kIconSize);
        const int value = m_pInfo ? (*m_pInfo).*cell.field : INT_MAX;
        const QString number = value == INT_MAX ? QStringLiteral("0") : QString::number(value, 10);
        paintNumberAndLabel(painter, QPoint(left + kCellNumberX, cell.numberBaseline), number,
                            QStringLiteral("个"));
        painter->setPen(kLabelColor);
        painter->drawText(left + kCellNumberX, cell.captionBaseline, QString::fromUtf8(cell.caption));
    }
}

int CLeftWidget::listKindAt(const QPoint& pos) const
{
    for (const ArmedArea& armed : kArmedAreas) {
        const QRect rect = armed.area < 0 ? m_usersRect : m_resourceRects.value(armed.area);
        if (rect.contains(pos, false) && users()->checkUserAuth(armed.right))
            return armed.listKind;
    }
    return 0;
}

void CLeftWidget::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::CursorShape shape = listKindAt(event->pos()) != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
}

void CLeftWidget::mousePressEvent(QMouseEvent* event)
{
    if (utils::CSingletonT<CVornClientCenter>::instance()->isAlgorithmBusClient())
        return;
    if (const int kind = listKindAt(event->pos()))
        deliverEvent(EventId::OpenUserList, 0, kind, QString(), nullptr);
}

} // namespace Ocv
