#pragma once

#include "kx/CUiResource.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kit {

inline Kx::CUiResource* uiResource()
{
    return utils::CSingletonT<Kx::CUiResource>::instance();
}

// The module's theme, for tests of libraries that do not bring it along.
inline void loadShippedTheme()
{
    static const bool loaded = uiResource()->loadTheme(QStringLiteral(WELCOME_SHIPPED_THEME));
    EXPECT_TRUE(loaded);
}

inline QColor themeColor(const char* key)
{
    loadShippedTheme();
    return *uiResource()->getColor(QLatin1String(key));
}

inline QFont themeFont(const char* key)
{
    loadShippedTheme();
    return *uiResource()->getFont(QLatin1String(key));
}

// A scratch folder for theme files and the pictures they name.
class ScratchDir
{
public:
    QString write(const QString& name, const QByteArray& content) const
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(content) == content.size())
            << name.toStdString();
        return file.fileName();
    }
    bool loadTheme(const QByteArray& json, const QString& name = QStringLiteral("t.json")) const
    {
        return uiResource()->loadTheme(write(name, json));
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace kit
