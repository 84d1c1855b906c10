#include "CHostWindow.h"
#include "DialogWatcher.h"
#include "HostOptions.h"
#include "HostRun.h"
#include "HostScenario.h"
#include "PanelRegistry.h"
#include "RequestLog.h"
#include "ServerMessageSink.h"
#include "StallProbe.h"

#include "PaintLog.h"

#include "common/IvornDockableWidget.h"
#include "data/CLogCenter.h"
#include "data/CVornClientCenter.h"
#include "data/MetaTypes.h"
#include "sim/Scenario.h"
#include "sim/SimPlatform.h"
#include "utils/CSingletonT.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <log4cxx/basicconfigurator.h>
#include <log4cxx/consoleappender.h>
#include <log4cxx/logger.h>
#include <log4cxx/patternlayout.h>

#include <sys/resource.h>

#include <cstring>
#include <memory>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool asksForBatchOutput(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--screenshot", "--paint-log", "--events", "--requests", "--help", "-h"}) {
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
        }
    }
    return false;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Log lines go to stderr, leaving stdout to what the run prints. The client's logger asks for INFO
// on its own, so the appender's threshold is what keeps INFO lines out without --verbose.
void setUpLogging(bool verbose)
{
    const log4cxx::LevelPtr level = verbose ? log4cxx::Level::getInfo() : log4cxx::Level::getWarn();
    auto layout = std::make_shared<log4cxx::PatternLayout>(LOG4CXX_STR("%d{HH:mm:ss,SSS} %-5p %c - %m%n"));
    auto appender = std::make_shared<log4cxx::ConsoleAppender>(layout, LOG4CXX_STR("System.err"));
    appender->setThreshold(level);
    log4cxx::BasicConfigurator::configure(appender);
    log4cxx::Logger::getRootLogger()->setLevel(level);
    utils::CSingletonT<Ocv::CLogCenter>::instance()->setLogEnabled(true);
}

// Screenshots of every tab the user has, for runs without a display.
int renderTabs(CHostWindow& window, const HostOptions& options)
{
    const QDir dir(options.outDir.isEmpty() ? QDir::currentPath() : options.outDir);
    if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
        err() << "welcome-host: cannot create " << dir.absolutePath() << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << "No display: rendering the panel headless." << Qt::endl;
    for (const QString& tab : {QStringLiteral("quick"), QStringLiteral("status")}) {
        QString error;
        if (!HostRun::selectTab(window.panel(), tab, &error)) {
            out << "  " << tab << ": " << error << Qt::endl;
            continue;
        }
        HostRun::settle(options.settleMs);
        const QString path = dir.absoluteFilePath(QStringLiteral("welcome-%1.png").arg(tab));
        if (!HostRun::writeScreenshot(window.panel(), path, &error)) {
            err() << "welcome-host: " << error << Qt::endl;
            return 1;
        }
        out << "  " << tab << " tab: " << path << Qt::endl;
    }
    return 0;
}

// Each step is a phase of its own for the stall probe, with the answers it brings about.
int runBatch(CHostWindow& window, const HostOptions& options, StallProbe* probe)
{
    QString error;
    probe->enter(QStringLiteral("settle"));
    HostRun::settle(options.settleMs);
    for (const HostPointerAction& action : options.pointerActions) {
        probe->enter(action.option);
        if (!HostRun::pointerAction(window.panel(), action, &error)) {
            err() << "welcome-host: " << action.option << ": " << error << Qt::endl;
            return 1;
        }
        HostRun::settle(options.settleMs);
    }
    // Writing the outputs is the harness's work, not the panel's.
    probe->stop();
    if (!options.screenshot.isEmpty() &&
        !HostRun::writeScreenshot(window.panel(), options.screenshot, &error))
        return err() << "welcome-host: " << error << Qt::endl, 1;
    if (!options.paintLog.isEmpty() &&
        !kit::writeJsonLines(options.paintLog, kit::paintLog(window.panel()), &error))
        return err() << "welcome-host: " << error << Qt::endl, 1;
    QList<QJsonObject> events = window.eventLog();
    if (options.stallReport)
        events.append(probe->line());
    if (!options.events.isEmpty() && !kit::writeJsonLines(options.events, events, &error))
        return err() << "welcome-host: " << error << Qt::endl, 1;
    const auto* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    if (!options.requests.isEmpty() &&
        !kit::writeJsonLines(options.requests, RequestLog::lines(*center), &error))
        return err() << "welcome-host: " << error << Qt::endl, 1;
    return 0;
}

DialogWatcher::Answer watcherAnswer(HostOptions::DialogAnswer answer)
{
    switch (answer) {
    case HostOptions::Accept:
        return DialogWatcher::Accept;
    case HostOptions::Enter:
        return DialogWatcher::Enter;
    case HostOptions::Escape:
        return DialogWatcher::Escape;
    case HostOptions::Reject:
        break;
    }
    return DialogWatcher::Reject;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// What the shown panel costs while nobody touches it: its timers, clock and repaints only.
int runIdle(QApplication& app, const HostOptions& options)
{
    HostRun::settle(options.settleMs);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(options.idleSeconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double seconds = wall.elapsed() / 1000.0;
    const double share = 100.0 * (cpuSeconds() - cpuBefore) / seconds;
    QTextStream(stdout) << QStringLiteral("idle cpu: %1 % of one core over %2 s")
                               .arg(share, 0, 'f', 3)
                               .arg(seconds, 0, 'f', 1)
                        << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool headless = !hasDisplay();
    if ((headless || asksForBatchOutput(argc, argv)) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("welcome-host"));

    HostOptions options;
    QString error;
    if (!HostOptions::parse(QApplication::arguments(), &options, &error)) {
        const bool help = QApplication::arguments().contains(QStringLiteral("--help")) ||
                          QApplication::arguments().contains(QStringLiteral("-h"));
        if (help) {
            QTextStream(stdout) << error;
            return 0;
        }
        err() << "welcome-host: " << error << Qt::endl;
        return 2;
    }

    setUpLogging(options.verbose);
    Ocv::registerDataMetaTypes();
    const bool windowed = !options.isBatch() && (!headless || options.idleSeconds > 0);
    // In a window the servers' clocks run, so the board's clock ticks. A scripted run at a given
    // time keeps every clock at that time: its logs do not depend on how long the machine takes.
    const auto adjust = [windowed, at = options.at](sim::Scenario* scenario) {
        if (at.isValid())
            HostScenario::fixClocks(scenario, at);
        if (windowed)
            scenario->clockRuns = true;
        else if (at.isValid())
            scenario->clockFrozen = true;
    };
    sim::Scenario scenario;
    if (!HostScenario::load(options.scenarioFile, &scenario, &error)) {
        err() << "welcome-host: " << error << Qt::endl;
        return 2;
    }
    adjust(&scenario);
    sim::SimPlatform::install(scenario);

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    if (!options.system.isEmpty() && !center->getClientByName(options.system.toStdString()))
        err() << "welcome-host: no server named \"" << options.system << "\"; the panel will send nothing"
              << Qt::endl;
    // As the client after a login: the first server is chosen unless the command line says otherwise.
    QString system = options.system;
    if (system.isEmpty() && options.systemId != 0 && !scenario.servers.empty())
        system = QString::fromStdString(scenario.servers.front().name);

    int status = 0;
    StallProbe probe;
    if (options.stallReport)
        probe.start(QStringLiteral("start"));
    {
        auto window = std::make_unique<CHostWindow>(PanelRegistry::standard(), QStringLiteral("wlc"));
        CHostWindow* shown = window.get();
        center->setServerMessageHandler(
            ServerMessageSink::handlerFor(shown, [shown](const ServerMessageSink::Message& message) {
                shown->showServerMessage(message);
            }));
        window->setShowsNotices(windowed);
        window->setShowAllRisk(options.showAllRisk);
        window->setScenarioAdjustment(adjust);
        if (windowed)
            window->addScenarioMenu(HostScenario::shipped());
        // In a window the user answers; a run that ends by itself must not wait on a dialog.
        DialogWatcher watcher(windowed ? DialogWatcher::None : watcherAnswer(options.answer));
        QObject::connect(&watcher, &DialogWatcher::dialogNoted, shown, &CHostWindow::noteDialog);
        if (windowed && !headless) {
            window->addViewMenu();
            window->openOnScreen(options.size);
        } else {
            // Offscreen the window keeps the size asked for, whatever the virtual screen's.
            window->resize(options.size);
            window->show();
        }
        if (!options.tab.isEmpty() && !HostRun::selectTab(window->panel(), options.tab, &error))
            err() << "welcome-host: --tab: " << error << Qt::endl;
        window->panel()->setWidgetActive(true);
        const int systemId = options.systemId >= 0 ? options.systemId : window->systemIdOf(system);
        window->switchSystem(systemId, system);

        if (options.isBatch())
            status = runBatch(*window, options, &probe);
        else if (options.idleSeconds > 0)
            status = runIdle(app, options);
        else if (headless)
            status = renderTabs(*window, options);
        else
            status = app.exec();
        center->setServerMessageHandler(nullptr);
    }
    center->shutdown();
    return status;
}
