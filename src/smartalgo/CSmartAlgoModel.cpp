#include "smartalgo/CSmartAlgoModel.h"

#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QVariant>

namespace Ocv {

namespace {
constexpr int kColumnCount = 17;

const char* const kHeaders[kColumnCount] = {"资金账号", "账号类型", "证券公司", "TWAP", "VWAP", "VWAP+",
                                            "IS",       "冰山",     "跟量",     "跟价", "换仓", "直接下单",
                                            "快捷",     "盘口",     "网络",     "开盘", "尾盘"};
} // namespace

CSmartAlgoModel::CSmartAlgoModel() : Kx::IBaseHpfTableModel(false) {}

CSmartAlgoModel::~CSmartAlgoModel() = default;

int CSmartAlgoModel::columnCount() const
{
    return kColumnCount;
}

QString CSmartAlgoModel::headerText(int column) const
{
    return column >= 0 && column < kColumnCount ? QString::fromUtf8(kHeaders[column]) : QString();
}

int CSmartAlgoModel::columnValueType(int) const
{
    return QVariant::String;
}

QString CSmartAlgoModel::emptyText() const
{
    return QString();
}

bool CSmartAlgoModel::isSummaryShown() const
{
    return false;
}

QColor CSmartAlgoModel::rowBackground(int row) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(
        row % 2 ? QStringLiteral("clr_table_background2") : QStringLiteral("clr_table_background"));
}

int CSmartAlgoModel::frozenColumnCount() const
{
    return 0;
}

const std::map<std::string, int>& CSmartAlgoModel::algorithmColumns()
{
    static const std::map<std::string, int> columns{
        {"TWAP", 3},   {"VWAP", 4},    {"VWAPPLUS", 5}, {"IS", 6},   {"ICEBERG", 7},
        {"VP", 8},     {"PINLINE", 9}, {"SWITCH", 10},  {"MSO", 11}, {"DMA", 12},
        {"FLOAT", 13}, {"GRID", 14},   {"MOO", 15},     {"MOC", 16}};
    return columns;
}

} // namespace Ocv
