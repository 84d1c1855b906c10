#pragma once

#include "siblings/CCreationDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QSet>

#include <vector>

class QLineEdit;

namespace Ocv {

// Creates a numbered series of products (one operate 12224 add each): the ids count up from the
// first id given, the names are the prefix followed by 0001, 0002, ... When some are refused the
// dialog stays open and says how many were created and which failed; OK again sends only the
// ones not created yet.
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
    QLineEdit* m_firstId;
    QLineEdit* m_namePrefix;
    QLineEdit* m_count;
    // What this dialog created since its form was last cleared, and what the last OK sent.
    QSet<int> m_created;
    std::vector<int> m_sentIds;
    int m_batchSize = 0;
};

} // namespace Ocv
