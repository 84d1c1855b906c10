#include "siblings/CCreationDialog.h"

#include "data/COperateReq.h"
#include "data/CUserManager.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CComboBox.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <climits>

namespace Ocv {

namespace {
const QString kErrorColor = QStringLiteral("clr_message_box_warning");
constexpr int kFieldWidth = 260;
constexpr int kMessageLimit = 1000;
const int kSingleLine = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

Kx::CSimpleTextWidget* makeMessage(const QString& name, int flags, QWidget* parent)
{
    auto* message = new Kx::CSimpleTextWidget(0, flags, parent);
    message->setObjectName(name);
    message->setTextColorKey(kErrorColor);
    message->hide();
    return message;
}

QString systemText(const std::string& systemName)
{
    const QString name = systemName.empty() ? QStringLiteral("默认系统") : QString::fromStdString(systemName);
    return QStringLiteral("交易系统: %1").arg(name);
}
} // namespace

CCreationDialog::CCreationDialog(QWidget* parent, const QString& title, const QString& objectName)
    : Kx::CCommonDialog(parent), m_form(new QWidget), m_grid(new QGridLayout)
{
    setObjectName(objectName);
    setTitle(title);
    m_form->setObjectName(objectName + QStringLiteral("_form"));
    auto* column = new QVBoxLayout(m_form);
    column->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(4);
    m_grid->setColumnMinimumWidth(1, kFieldWidth);
    column->addLayout(m_grid);
    m_formError = makeMessage(objectName + QStringLiteral("_error"), Qt::AlignLeft | Qt::AlignTop, m_form);
    column->addWidget(m_formError);
    setInnerWidget(m_form);
    setStandardButtons(Ok | Cancel);
}

CCreationDialog::~CCreationDialog() = default;

bool CCreationDialog::isBusy() const
{
    return m_busy;
}

bool CCreationDialog::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    // A choice in the form is the form's own business, not the dashboard's.
    if (eventId == Kx::CComboBox::EventIndexChanged) {
        for (Kx::CComboBox* combo : m_combos) {
            if (data == static_cast<void*>(combo))
                return true;
        }
    }
    return Kx::CCommonDialog::handleEvent(eventId, a, b, text, data);
}

QLineEdit* CCreationDialog::addLineEdit(const QString& key, const QString& label, const QString& placeholder)
{
    auto* edit = new QLineEdit(m_form);
    edit->setObjectName(key + QStringLiteral("_edit"));
    edit->setPlaceholderText(placeholder);
    addRow(label, edit, key + QStringLiteral("_error"));
    // The message goes as soon as the user starts correcting the field.
    connect(edit, &QLineEdit::textEdited, this, [this, edit] {
        const Field* field = fieldOf(edit);
        if (field && field->error->isVisible()) {
            setFieldError(edit, QString());
            refit();
        }
    });
    return edit;
}

Kx::CComboBox* CCreationDialog::addComboBox(const QString& key, const QString& label, const Items& items)
{
    auto* combo = new Kx::CComboBox(0, m_form);
    combo->setObjectName(key + QStringLiteral("_combo"));
    for (const auto& item : items)
        combo->addItem(item.second, item.first);
    m_combos.push_back(combo);
    addRow(label, combo, key + QStringLiteral("_error"));
    return combo;
}

void CCreationDialog::addSystemRow()
{
    m_systemLabel = new QLabel(systemText(m_systemName), m_form);
    m_systemLabel->setObjectName(QStringLiteral("target_system_label"));
    m_grid->addWidget(m_systemLabel, m_grid->rowCount(), 0, 1, 2);
}

void CCreationDialog::setSystemName(const std::string& systemName)
{
    m_systemName = systemName;
    if (m_systemLabel)
        m_systemLabel->setText(systemText(systemName));
}

void CCreationDialog::addRow(const QString& label, QWidget* field, const QString& errorName)
{
    const int row = m_grid->rowCount();
    auto* caption = new QLabel(label, m_form);
    caption->setBuddy(field);
    field->setMinimumWidth(kFieldWidth);
    m_grid->addWidget(caption, row, 0);
    m_grid->addWidget(field, row, 1);
    Kx::CSimpleTextWidget* error = makeMessage(errorName, kSingleLine, m_form);
    m_grid->addWidget(error, row + 1, 1);
    m_fields.push_back(Field{field, error});
}

const CCreationDialog::Field* CCreationDialog::fieldOf(const QWidget* widget) const
{
    for (const Field& field : m_fields) {
        if (field.widget == widget)
            return &field;
    }
    return nullptr;
}

bool CCreationDialog::checkText(QLineEdit* edit, const QString& label, bool required, int maxLength)
{
    const QString text = trimmed(edit);
    if (required && text.isEmpty()) {
        setFieldError(edit, QStringLiteral("%1不能为空").arg(label));
        return false;
    }
    // Counted in characters as the platform counts them, not in UTF-16 units.
    const int length = text.toUcs4().size();
    if (length > maxLength) {
        setFieldError(
            edit, QStringLiteral("%1不能超过 %2 个字符（现有 %3 个）").arg(label).arg(maxLength).arg(length));
        return false;
    }
    return true;
}

void CCreationDialog::setFieldError(QWidget* field, const QString& text)
{
    const Field* found = fieldOf(field);
    if (!found)
        return;
    found->error->setText(text, kMessageLimit);
    found->error->setToolTip(text);
    found->error->setVisible(!text.isEmpty());
}

void CCreationDialog::setFormError(const QString& text)
{
    m_formError->setText(text, kMessageLimit);
    m_formError->setVisible(!text.isEmpty());
}

QString CCreationDialog::trimmed(const QLineEdit* edit)
{
    return edit->text().trimmed();
}

int CCreationDialog::selectedCode(const Kx::CComboBox* combo)
{
    return combo->currentData().toInt();
}

int CCreationDialog::ownManagerId()
{
    const auto user = utils::CSingletonT<CUserManager>::instance()->getUserInfoPtr();
    if (!user || user->subManagerId == -1 || user->subManagerId == INT_MAX)
        return -1;
    return user->subManagerId;
}

void CCreationDialog::onAnswers(const std::vector<Answer>& answers)
{
    for (const Answer& answer : answers) {
        if (!answer.ok) {
            setFormError(answer.text.isEmpty() ? QStringLiteral("操作失败") : answer.text);
            return;
        }
    }
    succeed(QStringLiteral("操作成功"));
}

void CCreationDialog::clearForm()
{
    for (const Field& field : m_fields) {
        if (auto* edit = qobject_cast<QLineEdit*>(field.widget))
            edit->clear();
        else if (auto* combo = qobject_cast<Kx::CComboBox*>(field.widget))
            combo->setCurrentIndex(0);
    }
    clearMessages();
}

void CCreationDialog::sendAdd(int dataType, const ttservice::IDataPtr& record)
{
    record->setSystemTag(m_systemTag);
    auto req = boost::make_shared<COperateReq>();
    req->moduleKey = objectName().toStdString();
    req->dataType = dataType;
    req->operation = ttservice::QDO_ADD;
    req->data = record;
    // The data manager drops the answer when the dialog is gone by then.
    req->parent = this;
    const quint64 submission = m_submission;
    const std::size_t index = m_answers.size();
    req->callback = [this, submission, index](const boost::shared_ptr<COperateReq>&, bool ok,
                                              const QString& msg) { onAnswer(submission, index, ok, msg); };
    m_answers.emplace_back();
    ++m_outstanding;
    utils::CSingletonT<CVornDataManager>::instance()->operateData(req);
}

void CCreationDialog::succeed(const QString& text)
{
    utils::CSingletonT<CVornClientCenter>::instance()->showServerMsgCallBack(
        0, true, this, QStringLiteral("提示"), text, true, false);
    m_clearOnShow = true;
    QDialog::accept();
}

bool CCreationDialog::onAccept()
{
    if (m_busy)
        return false;
    clearMessages();
    if (!validate()) {
        for (const Field& field : m_fields) {
            if (field.error->isVisible()) {
                field.widget->setFocus();
                break;
            }
        }
        refit();
        return false;
    }
    m_systemTag = 0;
    if (!m_systemName.empty()) {
        const auto client = utils::CSingletonT<CVornClientCenter>::instance()->getClientByName(m_systemName);
        if (!client) {
            setFormError(QStringLiteral("交易系统未连接: %1").arg(QString::fromStdString(m_systemName)));
            refit();
            return false;
        }
        m_systemTag = client->systemTag();
    }
    ++m_submission;
    m_answers.clear();
    m_outstanding = 0;
    setBusy(true);
    submit();
    if (m_outstanding == 0)
        finishSubmission();
    else
        refit();
    // The answer decides; it accepts the dialog itself.
    return false;
}

void CCreationDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (m_clearOnShow)
            clearForm();
        m_clearOnShow = false;
        clearMessages();
        if (!m_fields.empty())
            m_fields.front().widget->setFocus();
        refit();
    }
    Kx::CCommonDialog::showEvent(event);
}

void CCreationDialog::hideEvent(QHideEvent* event)
{
    // Closed while waiting (Cancel, Escape, the close glyph, or hidden by the owner).
    if (!event->spontaneous() && m_busy)
        abandonSubmission();
    Kx::CCommonDialog::hideEvent(event);
}

void CCreationDialog::clearMessages()
{
    for (const Field& field : m_fields)
        setFieldError(field.widget, QString());
    setFormError(QString());
}

void CCreationDialog::setBusy(bool busy)
{
    if (busy)
        m_resumeFocus = focusWidget();
    m_busy = busy;
    if (Kx::CPushButton* ok = button(Ok))
        ok->setEnabled(!busy);
    m_form->setEnabled(!busy);
    // Disabling moved the focus on to Cancel, where Enter would throw the form away.
    if (!busy && m_resumeFocus && isVisible())
        m_resumeFocus->setFocus();
}

void CCreationDialog::abandonSubmission()
{
    ++m_submission;
    m_outstanding = 0;
    setBusy(false);
}

void CCreationDialog::onAnswer(quint64 submission, std::size_t index, bool ok, const QString& text)
{
    if (submission != m_submission || !m_busy || index >= m_answers.size())
        return;
    m_answers[index] = Answer{ok, text};
    if (--m_outstanding == 0)
        finishSubmission();
}

void CCreationDialog::finishSubmission()
{
    setBusy(false);
    const std::vector<Answer> answers = m_answers;
    onAnswers(answers);
    if (isVisible())
        refit();
}

void CCreationDialog::refit()
{
    // Messages come and go; the dialog follows its form at once rather than on the next layout pass.
    m_form->layout()->activate();
    if (QLayout* outer = layout()) {
        outer->invalidate();
        outer->activate();
    }
    adjustSize();
}

} // namespace Ocv
