#pragma once

#include <QJsonObject>
#include <QObject>

class QDialog;

// Notes every dialog that opens as a line of the events log and, when asked to, answers the modal
// ones, so that a scripted run never waits on a dialog nobody will close. The host's own dialogs
// (object names starting with "host_") are left alone.
//
// A line is {"dialog": {"class", "objectName", "title", "modal", "answer"}}; "answer" is "accept",
// "reject", "enter", "escape" or, for a dialog that is not modal and stays open, "none". Enter and
// Escape are key presses sent where a user's keyboard sends them: to the dialog's focus widget.
// A modal dialog that stays open after its answer (its own checks refused it, or the key did
// nothing) is answered again, rejected (after Escape: closed) and at last closed, each time with a
// line carrying the refused answer in "refused".
class DialogWatcher : public QObject
{
    Q_OBJECT
public:
    enum Answer
    {
        None, // note only: someone at the screen answers
        Accept,
        Reject,
        Enter,
        Escape
    };

    explicit DialogWatcher(Answer answer, QObject* parent = nullptr);
    ~DialogWatcher() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void dialogNoted(const QJsonObject& line);

private:
    void answer(QDialog* dialog, const QString& how);
    void waitForPlatform(QDialog* dialog, const QString& how, int round, bool quiet);
    void checkAnswered(QDialog* dialog, const QString& how);
    QJsonObject line(QDialog* dialog, const QString& how) const;

    Answer m_answer;
};
