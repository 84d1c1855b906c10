#include "HostOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

bool parseClick(const QString& value, HostClick* click)
{
    static const QRegularExpression pattern(QStringLiteral("^([^:]+):(-?\\d+),(-?\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (!match.hasMatch())
        return false;
    click->objectName = match.captured(1);
    click->pos = QPoint(match.captured(2).toInt(), match.captured(3).toInt());
    return true;
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
                                                  "name, after the first answers (repeatable, in order)."),
                                   QStringLiteral("objectname:x,y"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the panel to this PNG after the answers and "
                                                       "clicks, then exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption paintLog(
        QStringLiteral("paint-log"),
        QStringLiteral("Write a record of every module and framework widget, followed by the draw "
                       "operations of its last paint, as JSON lines, then exit."),
        QStringLiteral("file"));
    const QCommandLineOption events(
        QStringLiteral("events"),
        QStringLiteral("Write every event (id, two ints, text) and server message "
                       "that reached the host as JSON lines, then exit."),
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
    parser.addOptions({scenario, system, systemId, tab, size, click, screenshot, paintLog, events, settle,
                       outDir, verbose});
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
    for (const QString& value : parser.values(click)) {
        HostClick c;
        if (!parseClick(value, &c)) {
            *error = QStringLiteral("--click takes OBJECTNAME:X,Y, not '%1'").arg(value);
            return false;
        }
        options->clicks.append(c);
    }
    options->screenshot = parser.value(screenshot);
    options->paintLog = parser.value(paintLog);
    options->events = parser.value(events);
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
