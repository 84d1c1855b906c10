#include "HostOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// NAME or NAME#N, N counting from 1.
bool parseName(const QString& value, HostPointerAction* action)
{
    static const QRegularExpression pattern(QStringLiteral("^([^:#@]+)(?:#([1-9]\\d*))?$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (!match.hasMatch())
        return false;
    action->objectName = match.captured(1);
    action->index = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return true;
}

// NAME[#N]:X,Y, or @X,Y (the panel) and @DIALOG[#N]:X,Y (a shown dialog).
bool parsePointerAction(const QString& value, HostPointerAction* action)
{
    static const QRegularExpression point(QStringLiteral("^(-?\\d+),(-?\\d+)$"));
    action->atPoint = value.startsWith(QLatin1Char('@'));
    const QString rest = action->atPoint ? value.mid(1) : value;
    const int colon = rest.lastIndexOf(QLatin1Char(':'));
    const QRegularExpressionMatch match = point.match(rest.mid(colon + 1));
    if (!match.hasMatch() || (colon < 0 && !action->atPoint))
        return false;
    if (colon >= 0 && !parseName(rest.left(colon), action))
        return false;
    action->pos = QPoint(match.captured(1).toInt(), match.captured(2).toInt());
    return true;
}

// The parser keeps the values of each option apart; the order of --click and --move among each
// other comes from the arguments themselves, stepping over the values of the other options.
QVector<HostPointerAction::Kind> pointerOrder(const QStringList& arguments,
                                              const QList<QCommandLineOption>& options)
{
    QStringList takesValue;
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty())
            takesValue << option.names();
    }
    QVector<HostPointerAction::Kind> order;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        const QString name =
            argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section('=', 0, 0);
        if (name == QLatin1String("click"))
            order << HostPointerAction::Click;
        else if (name == QLatin1String("move"))
            order << HostPointerAction::Move;
        else if (name == QLatin1String("type"))
            order << HostPointerAction::Type;
        if (takesValue.contains(name) && !argument.contains(QLatin1Char('=')))
            ++i;
    }
    return order;
}

} // namespace

bool HostOptions::parse(const QStringList& arguments, HostOptions* options, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Docks the home panel \"wlc\" on a simulated trading platform."));
    parser.addHelpOption();
    const QCommandLineOption scenario(
        QStringLiteral("scenario"),
        QStringLiteral("Scenario file (JSON) the simulated platform answers from. "
                       "Default: the built-in demo."),
        QStringLiteral("file"));
    const QCommandLineOption system(QStringLiteral("system"),
                                    QStringLiteral("Trading system (server name) to switch the panel to."),
                                    QStringLiteral("name"));
    const QCommandLineOption systemId(QStringLiteral("system-id"),
                                      QStringLiteral("System id passed with the switch; 0 means no system "
                                                     "(default: 1 with --system, else 0)."),
                                      QStringLiteral("n"));
    const QCommandLineOption tab(QStringLiteral("tab"), QStringLiteral("Tab to show first: quick or status."),
                                 QStringLiteral("quick|status"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size, e.g. 2060x980."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption click(QStringLiteral("click"),
                                   QStringLiteral("Press and release at X,Y of the widget with that object "
                                                  "name (NAME#N: the N-th shown one), or with @X,Y at that "
                                                  "point of the panel (@DIALOG:X,Y: of that dialog) on "
                                                  "the widget there, after the first answers (repeatable, "
                                                  "in order with --move and --type)."),
                                   QStringLiteral("name[#n]:x,y|@[dialog:]x,y"));
    const QCommandLineOption move(
        QStringLiteral("move"),
        QStringLiteral("Move the pointer, no button held, to X,Y of the widget with "
                       "that object name, or to a point as --click takes it (repeatable, in order "
                       "with --click)."),
        QStringLiteral("name[#n]:x,y|@[dialog:]x,y"));
    const QCommandLineOption type(
        QStringLiteral("type"),
        QStringLiteral("Give the line edit with that object name (NAME#N: the N-th shown one) the focus, "
                       "type the text and press Enter (empty text: just Enter; repeatable, in order with "
                       "--click and --move)."),
        QStringLiteral("name[#n]:text"));
    const QCommandLineOption answer(
        QStringLiteral("answer"),
        QStringLiteral("How a scripted run answers a dialog or question that opens modally: accept "
                       "(its OK button, so its own checks run; rejected when it stays open), reject "
                       "(default), or the key enter or escape pressed on it (rejected when it stays "
                       "open). Every dialog that opens is a line of the events log."),
        QStringLiteral("accept|reject|enter|escape"));
    const QCommandLineOption stallReport(
        QStringLiteral("stall-report"),
        QStringLiteral("Write the longest time the GUI thread's event loop was held up during the run, "
                       "and which step ran then, as the last line of the events log (needs --events)."));
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("Fix the client's clock and the clock of every server with a "
                                               "time service at this time, e.g. \"2026-12-05 10:30:00\"."),
                                QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the panel, with the open dialogs of the module drawn over it at their "
                       "places, to this PNG after the answers and pointer actions, then exit."),
        QStringLiteral("file"));
    const QCommandLineOption paintLog(
        QStringLiteral("paint-log"),
        QStringLiteral("Write a record of every module and framework widget, followed by the draw "
                       "operations of its last paint, as JSON lines, then exit."),
        QStringLiteral("file"));
    const QCommandLineOption events(
        QStringLiteral("events"),
        QStringLiteral("Write every event (id, two ints, text), server message and dialog "
                       "that reached the host as JSON lines, then exit."),
        QStringLiteral("file"));
    const QCommandLineOption requests(
        QStringLiteral("requests"),
        QStringLiteral("Write every query and operation the simulated servers received, in order, as "
                       "JSON lines, then exit."),
        QStringLiteral("file"));
    const QCommandLineOption settle(
        QStringLiteral("settle-ms"),
        QStringLiteral("How long to wait for answers (default: until every request "
                       "sent has been answered, at most 10 s)."),
        QStringLiteral("ms"));
    const QCommandLineOption outDir(QStringLiteral("out-dir"),
                                    QStringLiteral("Where a run without a display writes its screenshots "
                                                   "(default: the current folder)."),
                                    QStringLiteral("dir"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Log at INFO level."));
    const QCommandLineOption idle(
        QStringLiteral("idle-seconds"),
        QStringLiteral("Stay up for N seconds as in a window (clocks and timers running, also without a "
                       "display), then print the share of one core the process used, and exit."),
        QStringLiteral("N"));
    const QCommandLineOption showAllRisk(
        QStringLiteral("show-all-risk"),
        QStringLiteral("Show the global risk-control block (switch and table) that the quick-operation "
                       "tab keeps hidden, in the first column of the risk overview."));
    const QList<QCommandLineOption> all{scenario, system,  systemId,   tab,      size,       click,    move,
                                        answer,   at,      screenshot, paintLog, events,     requests, settle,
                                        outDir,   verbose, idle,       type,     stallReport, showAllRisk};
    parser.addOptions(all);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *error = parser.helpText();
        return false;
    }

    options->scenarioFile = parser.value(scenario);
    options->system = parser.value(system);
    if (parser.isSet(systemId)) {
        bool ok = false;
        options->systemId = parser.value(systemId).toInt(&ok);
        if (!ok) {
            *error = QStringLiteral("--system-id needs a whole number, not '%1'").arg(parser.value(systemId));
            return false;
        }
    }
    if (parser.isSet(tab)) {
        options->tab = parser.value(tab);
        if (options->tab != QLatin1String("quick") && options->tab != QLatin1String("status")) {
            *error = QStringLiteral("--tab takes quick or status, not '%1'").arg(options->tab);
            return false;
        }
    }
    if (parser.isSet(size)) {
        const QStringList parts = parser.value(size).split(QLatin1Char('x'));
        const int w = parts.value(0).toInt();
        const int h = parts.value(1).toInt();
        if (parts.size() != 2 || w <= 0 || h <= 0) {
            *error = QStringLiteral("--size takes WxH, e.g. 2060x980, not '%1'").arg(parser.value(size));
            return false;
        }
        options->size = QSize(w, h);
    }
    const QStringList clicks = parser.values(click);
    const QStringList moves = parser.values(move);
    const QStringList typings = parser.values(type);
    int nextClick = 0;
    int nextMove = 0;
    int nextType = 0;
    for (const HostPointerAction::Kind kind : pointerOrder(arguments, all)) {
        if (kind == HostPointerAction::Type) {
            const QString value = typings.value(nextType++);
            const int colon = value.indexOf(QLatin1Char(':'));
            HostPointerAction action;
            action.kind = kind;
            if (colon <= 0 || !parseName(value.left(colon), &action)) {
                *error = QStringLiteral("--type takes OBJECTNAME[#N]:TEXT, not '%1'").arg(value);
                return false;
            }
            action.text = value.mid(colon + 1);
            action.option = QStringLiteral("--type ") + value;
            options->pointerActions.append(action);
            continue;
        }
        const QString name =
            kind == HostPointerAction::Click ? QStringLiteral("click") : QStringLiteral("move");
        const QString value =
            kind == HostPointerAction::Click ? clicks.value(nextClick++) : moves.value(nextMove++);
        HostPointerAction action;
        action.kind = kind;
        if (!parsePointerAction(value, &action)) {
            *error = QStringLiteral("--%1 takes OBJECTNAME[#N]:X,Y, @X,Y or @DIALOG:X,Y, not '%2'")
                         .arg(name, value);
            return false;
        }
        action.option = QStringLiteral("--%1 %2").arg(name, value);
        options->pointerActions.append(action);
    }
    if (parser.isSet(answer)) {
        static const QStringList answers{QStringLiteral("reject"), QStringLiteral("accept"),
                                         QStringLiteral("enter"), QStringLiteral("escape")};
        const int index = answers.indexOf(parser.value(answer));
        if (index < 0) {
            *error = QStringLiteral("--answer takes accept, reject, enter or escape, not '%1'")
                         .arg(parser.value(answer));
            return false;
        }
        options->answer = DialogAnswer(index);
    }
    if (parser.isSet(at)) {
        options->at = QDateTime::fromString(parser.value(at), kTimeFormat);
        if (!options->at.isValid()) {
            *error = QStringLiteral("--at takes a time like \"2026-12-05 10:30:00\", not '%1'")
                         .arg(parser.value(at));
            return false;
        }
    }
    options->screenshot = parser.value(screenshot);
    options->paintLog = parser.value(paintLog);
    options->events = parser.value(events);
    options->requests = parser.value(requests);
    options->stallReport = parser.isSet(stallReport);
    options->showAllRisk = parser.isSet(showAllRisk);
    if (options->stallReport && options->events.isEmpty()) {
        *error = QStringLiteral("--stall-report writes to the events log: give --events FILE too");
        return false;
    }
    if (parser.isSet(idle)) {
        bool ok = false;
        options->idleSeconds = parser.value(idle).toInt(&ok);
        if (!ok || options->idleSeconds <= 0) {
            *error = QStringLiteral("--idle-seconds takes a whole number of seconds above 0");
            return false;
        }
    }
    if (parser.isSet(settle)) {
        bool ok = false;
        options->settleMs = parser.value(settle).toInt(&ok);
        if (!ok || options->settleMs < 0) {
            *error = QStringLiteral("--settle-ms needs a number of milliseconds, not '%1'")
                         .arg(parser.value(settle));
            return false;
        }
    }
    options->outDir = parser.value(outDir);
    options->verbose = parser.isSet(verbose);
    return true;
}
