#pragma once

#include <QJsonObject>
#include <QObject>

class QDialog;

// Notes every dialog that opens as a line of the events log and, when asked to, answers the modal
// ones, so that a scripted run never waits on a dialog nobody will close. The host's own dialogs
// (object names starting with "host_") are left alone.
//
// A line is {"dialog": {"class", "objectName", "title", "modal", "answer"}}; "answer" is "accept",
// "reject" or, for a dialog that is not modal and stays open, "none". A modal dialog that stays open
// after its answer (its own checks refused it) is answered again, rejected and at last closed,
// each time with a line carrying the refused answer in "refused".
class DialogWatcher : public QObject
{
    Q_OBJECT
public:
    enum Answer
    {
        None, // note only: someone at the screen answers
        Accept,
        Reject
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
