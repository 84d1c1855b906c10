#include "kx/CUiResource.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/ImageDrawObserver.h"
#include "kx/KxLog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

UTILS_DEFINE_SINGLETON(KX_EXPORT, Kx::CUiResource)

namespace Kx {

namespace {
const QColor kPlaceholderColor(255, 0, 255);
const QSize kPlaceholderSize(16, 16);
const QString kThemeDir = QStringLiteral(":/kx-theme/");
} // namespace

CUiResource::CUiResource() = default;

CUiResource::~CUiResource() = default;

void CUiResource::ensureDefaults()
{
    if (m_defaultsLoaded)
        return;
    m_defaultsLoaded = true;
    const QDir dir(kThemeDir);
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        mergeTheme(dir.filePath(file));
}

void CUiResource::reportUnknown(const QString& kind, const QString& key)
{
    const QString tag = kind + QLatin1Char('/') + key;
    if (m_reported.contains(tag))
        return;
    m_reported.insert(tag);
    m_unknownKeys.append(key);
    logWarning(QStringLiteral("unknown %1 resource key \"%2\"").arg(kind, key));
}

QColor* CUiResource::getColor(const QString& key)
{
    ensureDefaults();
    auto it = m_colors.find(key);
    if (it == m_colors.end())
        it = m_colors.emplace(key, kPlaceholderColor).first;
    if (!m_knownColors.contains(key))
        reportUnknown(QStringLiteral("colour"), key);
    return &it->second;
}

QFont* CUiResource::getFont(const QString& key)
{
    ensureDefaults();
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(key, QGuiApplication::font()).first;
    if (!m_knownFonts.contains(key))
        reportUnknown(QStringLiteral("font"), key);
    return &it->second;
}

QString CUiResource::getColorSheetByKey(const QString& key)
{
    const QColor color = *getColor(key);
    if (color.alpha() == 255)
        return QStringLiteral("color: %1;").arg(color.name(QColor::HexRgb));
    return QStringLiteral("color: rgba(%1, %2, %3, %4);")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QString CUiResource::getImageSheet(const QString& key)
{
    ImageEntry* entry = imageEntry(key);
    if (!entry)
        return QStringLiteral("border: 1px solid #ff00ff;");
    return QStringLiteral("border-image: url(%1);").arg(entry->path);
}

bool CUiResource::hasColor(const QString& key) const
{
    const_cast<CUiResource*>(this)->ensureDefaults();
    return m_knownColors.contains(key);
}

bool CUiResource::hasFont(const QString& key) const
{
    const_cast<CUiResource*>(this)->ensureDefaults();
    return m_knownFonts.contains(key);
}

bool CUiResource::hasImage(const QString& key) const
{
    const_cast<CUiResource*>(this)->ensureDefaults();
    return m_images.count(key) > 0;
}

CUiResource::ImageEntry* CUiResource::imageEntry(const QString& key)
{
    ensureDefaults();
    auto it = m_images.find(key);
    if (it == m_images.end()) {
        reportUnknown(QStringLiteral("image"), key);
        return nullptr;
    }
    loadImage(it->second, key);
    return it->second.broken ? nullptr : &it->second;
}

void CUiResource::loadImage(ImageEntry& entry, const QString& key)
{
    if (entry.loaded)
        return;
    entry.loaded = true;
    if (entry.path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto renderer = std::make_unique<QSvgRenderer>(entry.path);
        if (renderer->isValid()) {
            entry.size = renderer->defaultSize();
            entry.svg = std::move(renderer);
            return;
        }
    } else {
        auto pixmap = std::make_unique<QPixmap>(entry.path);
        if (!pixmap->isNull()) {
            entry.size = pixmap->size();
            entry.pixmap = std::move(pixmap);
            return;
        }
    }
    entry.broken = true;
    logWarning(QStringLiteral("image \"%1\" cannot be loaded from \"%2\"").arg(key, entry.path));
}

QSize CUiResource::imageSize(const QString& key)
{
    const ImageEntry* entry = imageEntry(key);
    return entry ? entry->size : kPlaceholderSize;
}

void CUiResource::drawImage(QPainter* painter, const QString& key, const QRect& rect)
{
    notifyImageDraw(painter, key, rect, true);
    paintImage(painter, key, rect);
    notifyImageDraw(painter, key, rect, false);
}

void CUiResource::paintImage(QPainter* painter, const QString& key, const QRect& rect)
{
    if (!painter || rect.isEmpty())
        return;
    ImageEntry* entry = imageEntry(key);
    if (!entry) {
        paintPlaceholder(painter, rect);
    } else if (entry->svg) {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QString size = QStringLiteral("%1x%2@%3").arg(rect.width()).arg(rect.height()).arg(ratio);
        auto cached = entry->rendered.find(size);
        if (cached == entry->rendered.end()) {
            QPixmap pixmap(rect.size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter render(&pixmap);
            entry->svg->render(&render, QRectF(QPointF(0, 0), QSizeF(rect.size())));
            render.end();
            cached = entry->rendered.insert(size, pixmap);
        }
        painter->drawPixmap(rect.topLeft(), *cached);
    } else
        painter->drawPixmap(rect, *entry->pixmap);
}

void CUiResource::paintPlaceholder(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setPen(QPen(kPlaceholderColor, 1));
    painter->setBrush(Qt::NoBrush);
    const QRect frame = rect.adjusted(0, 0, -1, -1);
    painter->drawRect(frame);
    painter->drawLine(frame.topLeft(), frame.bottomRight());
    painter->drawLine(frame.topRight(), frame.bottomLeft());
    painter->restore();
}

bool CUiResource::loadTheme(const QString& path)
{
    ensureDefaults();
    if (!mergeTheme(path))
        return false;
    const auto widgets = QApplication::allWidgets();
    for (QWidget* w : widgets) {
        if (auto* handler = dynamic_cast<CUiResourceChangeHandler*>(w))
            handler->themeChanged();
    }
    return true;
}

bool CUiResource::mergeTheme(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        logWarning(QStringLiteral("theme file \"%1\" cannot be read").arg(path));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject()) {
        logWarning(QStringLiteral("theme file \"%1\" is not valid: %2").arg(path, error.errorString()));
        return false;
    }
    const QJsonObject root = doc.object();

    const QJsonObject colors = root.value(QLatin1String("colors")).toObject();
    for (auto it = colors.begin(); it != colors.end(); ++it) {
        const QColor color(it.value().toString());
        if (!color.isValid()) {
            logWarning(QStringLiteral("theme colour \"%1\" has the invalid value \"%2\"")
                           .arg(it.key(), it.value().toString()));
            continue;
        }
        m_colors[it.key()] = color;
        m_knownColors.insert(it.key());
    }

    const QJsonObject fonts = root.value(QLatin1String("fonts")).toObject();
    for (auto it = fonts.begin(); it != fonts.end(); ++it) {
        const QJsonObject fontDesc = it.value().toObject();
        QFont font(QGuiApplication::font());
        if (fontDesc.contains(QLatin1String("family")))
            font.setFamily(fontDesc.value(QLatin1String("family")).toString());
        if (fontDesc.contains(QLatin1String("pixelSize")))
            font.setPixelSize(fontDesc.value(QLatin1String("pixelSize")).toInt());
        else if (fontDesc.contains(QLatin1String("pointSize")))
            font.setPointSizeF(fontDesc.value(QLatin1String("pointSize")).toDouble());
        font.setBold(fontDesc.value(QLatin1String("bold")).toBool(false));
        m_fonts[it.key()] = font;
        m_knownFonts.insert(it.key());
    }

    const QDir base = QFileInfo(path).absoluteDir();
    const QJsonObject images = root.value(QLatin1String("images")).toObject();
    for (auto it = images.begin(); it != images.end(); ++it) {
        QString imagePath = it.value().toString();
        if (!imagePath.startsWith(QLatin1Char(':')) && QFileInfo(imagePath).isRelative())
            imagePath = base.filePath(imagePath);
        ImageEntry& entry = m_images[it.key()];
        entry = ImageEntry();
        entry.path = imagePath;
    }
    return true;
}

QStringList CUiResource::unknownKeys() const
{
    return m_unknownKeys;
}

} // namespace Kx
