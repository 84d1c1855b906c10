#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kit {

// Runs the real host binary offscreen and reads the JSON-lines files it writes into a scratch folder.
class HostProcess
{
public:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    bool valid() const { return m_dir.isValid(); }

    int run(const QString& scenario, const QStringList& args)
    {
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(WELCOME_HOST_BINARY), QStringList{"--scenario", scenario} + args);
        EXPECT_TRUE(host.waitForFinished(60000));
        errors = host.readAllStandardError();
        output = errors + host.readAllStandardOutput();
        return host.exitCode();
    }

    QList<QJsonObject> readLines(const char* name) const
    {
        QList<QJsonObject> lines;
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (!line.isEmpty())
                lines.append(QJsonDocument::fromJson(line).object());
        }
        return lines;
    }

    QByteArray errors;
    QByteArray output;

private:
    QTemporaryDir m_dir;
};

inline QJsonObject findText(const QList<QJsonObject>& ops, const QString& widget, const QString& text)
{
    for (const QJsonObject& op : ops) {
        if (op["op"] == "text" && op["widget"] == widget && op["text"] == text)
            return op;
    }
    return {};
}

// The texts of one column of a table's painted cells, in painting order.
inline QStringList cellTexts(const QList<QJsonObject>& lines, const char* widget, int column)
{
    QStringList texts;
    for (const QJsonObject& line : lines) {
        if (line["widget"] == widget && line["op"] == "cell" && line["column"] == column)
            texts << line["text"].toString();
    }
    return texts;
}

// The widget record of the first widget of the class; empty when none was logged.
inline QJsonObject recordOf(const QList<QJsonObject>& lines, const char* className)
{
    for (const QJsonObject& line : lines) {
        if (line["op"] == "widget" && line["class"] == className)
            return line;
    }
    return {};
}

} // namespace kit
