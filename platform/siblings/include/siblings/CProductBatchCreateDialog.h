#pragma once

#include "siblings/CCreationDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QSet>
#include <QString>

#include <vector>

class QLineEdit;

namespace Ocv {

// Creates a numbered series of products (one operate 12224 add each): ids and names are the
// prefixes followed by 0001, 0002, ... When some are refused the dialog stays open and says how
// many were created and which failed; OK again sends only the ones not created yet.
class SIBLINGS_EXPORT CProductBatchCreateDialog : public CCreationDialog
{
    Q_OBJECT
public:
    enum
    {
        MaxCount = 50,
        NumberDigits = 4
    };

    explicit CProductBatchCreateDialog(QWidget* parent);
    ~CProductBatchCreateDialog() override;

protected:
    bool validate() override;
    void submit() override;
    void onAnswers(const std::vector<Answer>& answers) override;
    void clearForm() override;

private:
    QLineEdit* m_idPrefix;
    QLineEdit* m_namePrefix;
    QLineEdit* m_count;
    // What this dialog created since its form was last cleared, and what the last OK sent.
    QSet<QString> m_created;
    std::vector<QString> m_sentIds;
    int m_batchSize = 0;
};

} // namespace Ocv
