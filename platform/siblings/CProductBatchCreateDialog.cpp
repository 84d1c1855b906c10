#include "siblings/CProductBatchCreateDialog.h"

#include "data/ttservice/CVornProductInfo.h"

#include <QLineEdit>
#include <QStringList>

#include <climits>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kProductCode = 12224;
constexpr int kListedFailures = 5;
} // namespace

CProductBatchCreateDialog::CProductBatchCreateDialog(QWidget* parent)
    : CCreationDialog(parent, QStringLiteral("一键创建产品"), QStringLiteral("product_batch_create_dialog"))
{
    m_firstId = addLineEdit(QStringLiteral("product_first_id"), QStringLiteral("起始产品编号"),
                            QStringLiteral("如 1001：1001、1002…"));
    m_namePrefix = addLineEdit(QStringLiteral("product_name_prefix"), QStringLiteral("产品名称前缀"));
    m_count = addLineEdit(QStringLiteral("product_count"), QStringLiteral("创建数量"),
                          QStringLiteral("1–%1").arg(int(MaxCount)));
}

CProductBatchCreateDialog::~CProductBatchCreateDialog() = default;

bool CProductBatchCreateDialog::validate()
{
    // The number appended must still fit the platform's limit.
    const int prefixLimit = MaxTextLength - NumberDigits;
    bool valid = checkText(m_namePrefix, QStringLiteral("产品名称前缀"), true, prefixLimit);
    bool number = false;
    const int count = trimmed(m_count).toInt(&number);
    const bool countValid = number && count >= 1 && count <= MaxCount;
    bool idNumber = false;
    const int firstId = trimmed(m_firstId).toInt(&idNumber);
    if (trimmed(m_firstId).isEmpty()) {
        setFieldError(m_firstId, QStringLiteral("起始产品编号不能为空"));
        valid = false;
    } else if (!idNumber || firstId < 1 || (countValid && firstId > INT_MAX - (count - 1))) {
        setFieldError(m_firstId, QStringLiteral("起始产品编号须为 1 到 %1 之间的整数")
                                     .arg(countValid ? INT_MAX - (count - 1) : INT_MAX));
        valid = false;
    }
    if (trimmed(m_count).isEmpty()) {
        setFieldError(m_count, QStringLiteral("创建数量不能为空"));
        valid = false;
    } else if (!countValid) {
        setFieldError(m_count, QStringLiteral("创建数量须为 1 到 %1 之间的整数").arg(int(MaxCount)));
        valid = false;
    }
    return valid;
}

void CProductBatchCreateDialog::submit()
{
    const int firstId = trimmed(m_firstId).toInt();
    const QString namePrefix = trimmed(m_namePrefix);
    m_batchSize = trimmed(m_count).toInt();
    m_sentIds.clear();
    for (int i = 1; i <= m_batchSize; ++i) {
        const QString number = QStringLiteral("%1").arg(i, int(NumberDigits), 10, QLatin1Char('0'));
        const int id = firstId + (i - 1);
        if (m_created.contains(id))
            continue;
        auto product = boost::make_shared<ttservice::CVornProductInfo>();
        product->productId = id;
        product->productName = (namePrefix + number).toStdString();
        product->managerId = ownManagerId();
        m_sentIds.push_back(id);
        sendAdd(kProductCode, product);
    }
}

void CProductBatchCreateDialog::onAnswers(const std::vector<Answer>& answers)
{
    QStringList failed;
    QString firstError;
    for (std::size_t i = 0; i < answers.size() && i < m_sentIds.size(); ++i) {
        if (answers[i].ok) {
            m_created.insert(m_sentIds[i]);
            continue;
        }
        failed.append(QString::number(m_sentIds[i]));
        if (firstError.isEmpty())
            firstError = answers[i].text.isEmpty() ? QStringLiteral("操作失败") : answers[i].text;
    }
    const int created = m_batchSize - failed.size();
    if (failed.isEmpty()) {
        succeed(QStringLiteral("操作成功，已创建 %1 个产品").arg(created));
        return;
    }
    QString listed = failed.mid(0, kListedFailures).join(QStringLiteral(", "));
    if (failed.size() > kListedFailures)
        listed += QStringLiteral(" 等");
    setFormError(QStringLiteral("已创建 %1 个产品，%2 个失败: %3。%4")
                     .arg(created)
                     .arg(failed.size())
                     .arg(listed, firstError));
}

void CProductBatchCreateDialog::clearForm()
{
    CCreationDialog::clearForm();
    m_created.clear();
}

} // namespace Ocv
