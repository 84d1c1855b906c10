#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

struct HostClick
{
    QString objectName;
    QPoint pos;
};

struct HostOptions
{
    QString scenarioFile; // empty: the built-in demo
    QString system;
    int systemId = -1; // -1: 1 when a system is named, else 0
    QString tab;       // "quick", "status" or empty
    QSize size{2060, 980};
    QVector<HostClick> clicks;
    QString screenshot;
    QString paintLog;
    QString events;
    int settleMs = -1; // -1: until every request is answered
    QString outDir;
    bool verbose = false;

    // True when the run ends by itself after writing its outputs.
    bool isBatch() const { return !screenshot.isEmpty() || !paintLog.isEmpty() || !events.isEmpty(); }

    // Fills options from the command line; false with a message in error when it is malformed.
    static bool parse(const QStringList& arguments, HostOptions* options, QString* error);
};
