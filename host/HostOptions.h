#pragma once

#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// A step of a scripted run: at a point of the index-th shown widget with that object name, or at
// a point of the panel (or of the shown dialog with that object name) whatever widget lies there.
struct HostPointerAction
{
    enum Kind
    {
        Click, // press and release of the left button
        Move,  // a move without a button
        Type   // focus a line edit, type the text, press Enter
    };
    Kind kind = Click;
    QString objectName; // with atPoint: the dialog's, empty for the panel
    int index = 1;      // NAME#N: the N-th shown widget of that name, from 1
    bool atPoint = false;
    QPoint pos;
    QString text;   // Type
    QString option; // as given, e.g. "--click top_model_risk#2:30,150"
};

struct HostOptions
{
    enum DialogAnswer
    {
        Reject,
        Accept,
        Enter, // the key pressed on the dialog, as a user's keyboard sends it
        Escape
    };

    QString scenarioFile; // empty: the built-in demo
    QString system;
    int systemId = -1; // -1: 1 when a system is named, else 0
    QString tab;       // "quick", "status" or empty
    QSize size{2060, 980};                     // in a window, no larger than the screen's available geometry
    QVector<HostPointerAction> pointerActions; // --click, --move and --type, in command-line order
    DialogAnswer answer = Reject;              // how a scripted run answers a modal dialog
    bool stallReport = false;                  // the longest event-loop stall joins the events log
    bool showAllRisk = false;                  // the risk overview shows its hidden all-risk block
    QDateTime at;                              // invalid: the scenario's own clocks
    QString screenshot;
    QString paintLog;
    QString events;
    QString requests;
    int settleMs = -1; // -1: until every request is answered
    QString outDir;
    bool verbose = false;
    int idleSeconds = 0; // > 0: stay up that long as in a window, then print the CPU share used

    // True when the run ends by itself after writing its outputs.
    bool isBatch() const
    {
        return !screenshot.isEmpty() || !paintLog.isEmpty() || !events.isEmpty() || !requests.isEmpty();
    }

    // Fills options from the command line; false with a message in error when it is malformed.
    static bool parse(const QStringList& arguments, HostOptions* options, QString* error);
};
