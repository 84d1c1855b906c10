#pragma once

#include "data/IData.h"
#include "kx/CBaseWidget.h"

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace Kx {
class CPushButton;
class CSimpleTextWidget;
} // namespace Kx

namespace Ocv {

// One limit of a risk-control setting record, edited by name through the record's field table.
struct RcLimitField
{
    enum Kind
    {
        Integer, // an int field, typed as a whole number
        Decimal, // a double field, at most two decimals
        Switch   // a bool field, a check box
    };
    const char* member;
    const char* label;
    Kind kind;
    double low;
    double high;
    const char* unit;
};

// The form the account and product risk-control panels share: a title line, one edit per limit,
// "保存" and a message line, reading one setting record of a data code (param the target's id)
// and saving it with an operate modify. The owner says what to edit (setTarget) and on which
// system, and asks for reads (scheduleRead); requests made in one turn of the event loop end in
// one read. Requests go through the data manager with the form as parent.
//
// Object names: "<name>_title", "<name>_<member in lower case with underscores>" for each edit or
// check box, "<name>_save",
// "<name>_error" for the message line.
class CRcSettingForm : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    struct Setup
    {
        QString name;
        int dataType = 0;
        // A record of the data code's class holding the defaults shown when nothing is stored.
        std::function<ttservice::IDataPtr()> makeDefault;
        std::vector<RcLimitField> fields;
    };

    CRcSettingForm(Setup setup, QWidget* parent);
    ~CRcSettingForm() override;

    // What the form edits: the query's param, and how a record to save names the target.
    // editable false keeps the form disabled. Clears the message and what was shown.
    void setTarget(const std::string& param, std::function<void(ttservice::IData&)> nameTarget, bool editable);
    bool hasTarget() const { return !m_param.empty(); }
    // The system by name (empty: the client centre's selection) or, when nonzero, by system tag;
    // label names it in the message when no server has that tag.
    void setSystemName(const QString& name);
    void setSystemTag(int systemTag, const QString& label = QString());
    void setTitle(const QString& title);

    // Shows the record the form read last for this target on this system; false when it has none.
    bool showCached();
    // Reads the target's setting once control returns to the event loop.
    void scheduleRead();

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    // The message line's text while it is shown.
    QString message() const;

private:
    // The system tag to address (0: the selection); false, with the message shown, when the
    // system is not connected.
    bool resolveSystem(int& systemTag);
    std::string cacheKey() const;
    void read();
    void onRead(quint64 number, const std::string& cacheKey, bool ok, const QString& text,
                const std::vector<ttservice::IDataPtr>& records);
    void save();
    void onSaved(quint64 number, bool ok, const QString& text);
    void showRecord(const ttservice::IDataPtr& record);
    // Writes the edits into record; the message of the first field that does not hold a valid
    // value, with the field focused, or empty.
    QString takeValues(ttservice::IData& record);
    void setMessage(const QString& text, bool error);
    void updateEnabled();

    Setup m_setup;
    std::string m_param;
    std::function<void(ttservice::IData&)> m_nameTarget;
    bool m_editable = false;
    QString m_systemName;
    int m_systemTag = 0;
    QLabel* m_title = nullptr;
    std::vector<QWidget*> m_editors; // by field, a QLineEdit or a QCheckBox
    Kx::CPushButton* m_save = nullptr;
    Kx::CSimpleTextWidget* m_messageLine = nullptr;
    bool m_messageIsError = false;
    // The record shown, as read (or the defaults); a save changes a copy of it, so the fields
    // the form does not show keep their values.
    ttservice::IDataPtr m_record;
    std::map<std::string, ttservice::IDataPtr> m_cache;
    bool m_read = false;
    bool m_saving = false;
    bool m_readScheduled = false;
    // Numbers the reads and saves; the answer of an older one is dropped.
    quint64 m_readNumber = 0;
    quint64 m_saveNumber = 0;
};

} // namespace Ocv
