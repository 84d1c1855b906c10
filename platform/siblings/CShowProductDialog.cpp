#include "siblings/CShowProductDialog.h"

#include "RecordTexts.h"
#include "data/ttservice/CVornProductInfo.h"

namespace Ocv {

namespace {
constexpr int kProductCode = 12224;
constexpr int kTableId = 2103;
} // namespace

CShowProductDialog::CShowProductDialog(QWidget* parent)
    : CBrowseDialog(parent,
                    {QStringLiteral("show_product_dialog"),
                     kTableId,
                     {QStringLiteral("产品编号"), QStringLiteral("产品名称"), QStringLiteral("运行状态"),
                      QStringLiteral("创建日期")},
                     {0, 1},
                     QStringLiteral("查询产品: "),
                     QStringLiteral("请输入产品编号或名称, 按Enter键查询"),
                     QStringLiteral("产品列表"),
                     QStringLiteral("今日新增产品")},
                    kProductCode)
{
}

CShowProductDialog::~CShowProductDialog() = default;

void CShowProductDialog::setisQueryData(bool todayOnly)
{
    setNarrowed(todayOnly);
}

void CShowProductDialog::switchSystem(int, const QString& systemName)
{
    setSystemName(systemName);
}

std::vector<Kx::IBaseHpfTableDataPtr>
CShowProductDialog::makeRows(const std::vector<ttservice::IDataPtr>& records)
{
    const std::string today = RecordTexts::today();
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    for (const ttservice::IDataPtr& record : records) {
        const auto product = boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record);
        if (!product || (isNarrowed() && product->createdDay != today))
            continue;
        rows.push_back(
            makeRow({QString::number(product->productId), QString::fromStdString(product->productName),
                     product->active ? QStringLiteral("运行中") : QStringLiteral("未运行"),
                     RecordTexts::dayText(product->createdDay)}));
    }
    return rows;
}

} // namespace Ocv
