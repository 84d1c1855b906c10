#pragma once

#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// A pointer action of a scripted run, at a point of the widget with that object name.
struct HostPointerAction
{
    enum Kind
    {
        Click, // press and release of the left button
        Move,  // a move without a button
        Type   // focus a line edit, type the text, press Enter
    };
    Kind kind = Click;
    QString objectName;
    QPoint pos;
    QString text; // Type
};

struct HostOptions
{
    QString scenarioFile; // empty: the built-in demo
    QString system;
    int systemId = -1; // -1: 1 when a system is named, else 0
    QString tab;       // "quick", "status" or empty
    QSize size{2060, 980};
    QVector<HostPointerAction> pointerActions; // --click, --move and --type, in command-line order
    bool acceptDialogs = false;                // --answer accept; modal dialogs are rejected otherwise
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
