#pragma once

#include "data/IData.h"
#include "kx/CCommonDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <QPointer>
#include <QString>

#include <string>
#include <utility>
#include <vector>

class QGridLayout;
class QHideEvent;
class QLabel;
class QLineEdit;
class QShowEvent;

namespace Kx {
class CComboBox;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

// Base of the one-click creation dialogs: a form of labelled fields, each with its own error line
// ("<field>_error"), a message line for the platform's answer ("<dialog>_error"), and the
// submission of add operations through the data manager.
//
// OK checks the form first and sends nothing while anything is wrong. While the answers are out,
// OK and the form are disabled and the dialog stays open; it accepts itself once every answer is
// a success, and otherwise shows the platform's text and keeps what was typed. Cancel abandons
// the answers still out. After a success the form starts empty the next time it is shown.
class SIBLINGS_EXPORT CCreationDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    enum
    {
        MaxTextLength = 32
    };
    // The choices of a combo box: the code sent and the text shown.
    using Items = std::vector<std::pair<int, QString>>;

    ~CCreationDialog() override;

    // True while answers to the last submission are still out.
    bool isBusy() const;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

protected:
    struct Answer
    {
        bool ok = false;
        QString text;
    };

    CCreationDialog(QWidget* parent, const QString& title, const QString& objectName);

    // Rows of the form, in the order added. key names the widgets: "<key>_edit" or "<key>_combo",
    // and "<key>_error" for the field's message.
    QLineEdit* addLineEdit(const QString& key, const QString& label, const QString& placeholder = QString());
    Kx::CComboBox* addComboBox(const QString& key, const QString& label, const Items& items);
    // The row that names the trading system the records go to ("target_system_label").
    void addSystemRow();
    void setSystemName(const std::string& systemName);

    // Marks the field wrong when its trimmed text is empty (if required) or longer than maxLength
    // characters; the message starts with label.
    bool checkText(QLineEdit* edit, const QString& label, bool required, int maxLength = MaxTextLength);
    void setFieldError(QWidget* field, const QString& text);
    void setFormError(const QString& text);
    static QString trimmed(const QLineEdit* edit);
    static int selectedCode(const Kx::CComboBox* combo);
    // The sub-manager who looks after what the logged-in user creates; -1 for anyone else.
    static int ownManagerId();

    // Checks the form, marking the wrong fields; false sends nothing.
    virtual bool validate() = 0;
    // Sends the submission's operations with sendAdd; sending none finishes it at once.
    virtual void submit() = 0;
    // Every answer of the submission, in sending order. By default all successes accept the
    // dialog and anything else shows the first refusal.
    virtual void onAnswers(const std::vector<Answer>& answers);
    virtual void clearForm();

    // Sent to the system set with setSystemName, else to the client centre's choice.
    void sendAdd(int dataType, const ttservice::IDataPtr& record);
    // Reports the success through the client centre and accepts.
    void succeed(const QString& text);

    bool onAccept() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Field
    {
        QWidget* widget;
        Kx::CSimpleTextWidget* error;
    };

    void addRow(const QString& label, QWidget* field, const QString& errorName);
    const Field* fieldOf(const QWidget* widget) const;
    void clearMessages();
    void refit();
    void setBusy(bool busy);
    void abandonSubmission();
    void onAnswer(quint64 submission, std::size_t index, bool ok, const QString& text);
    void finishSubmission();

    QWidget* m_form;
    QGridLayout* m_grid;
    Kx::CSimpleTextWidget* m_formError;
    QLabel* m_systemLabel = nullptr;
    std::vector<Field> m_fields;
    std::vector<Kx::CComboBox*> m_combos;
    std::string m_systemName;
    int m_systemTag = 0;
    // Numbers the submissions so that an abandoned one's late answers are recognised.
    quint64 m_submission = 0;
    bool m_busy = false;
    std::size_t m_outstanding = 0;
    std::vector<Answer> m_answers;
    bool m_clearOnShow = false;
    QPointer<QWidget> m_resumeFocus;
};

} // namespace Ocv
