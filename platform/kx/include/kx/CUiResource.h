#pragma once

#include "kx/KxGlobal.h"
#include "utils/CSingletonT.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QPainter;
class QPixmap;
class QRect;
class QSvgRenderer;

namespace Kx {

// The theme: colours, fonts and images by key. Use it from the GUI thread only.
//
// On first use every *.json file under ":/kx-theme/" is merged in, in file-name order;
// loadTheme merges further files. Format:
//   {"colors": {"clr_x": "#rrggbb" | "#aarrggbb"},
//    "fonts":  {"ocv_fnt_x": {"family": "...", "pointSize": 10, "bold": false, "pixelSize": 12}},
//    "images": {"ocv_img_x": ":/path/x.svg" | "relative/to/the/json/file.png"}}
// Nothing returned is ever null. An unknown key gives a placeholder that is easy to spot (the
// colour magenta, the application font, a magenta frame with a cross) and one warning on the
// "kx" logger per key and kind. Returned pointers stay valid for the process's lifetime; a theme
// loaded later updates the pointed-to values in place.
class KX_EXPORT CUiResource
{
public:
    CUiResource();
    ~CUiResource();
    CUiResource(const CUiResource&) = delete;
    CUiResource& operator=(const CUiResource&) = delete;

    QColor* getColor(const QString& key);
    QFont* getFont(const QString& key);
    // "color: #rrggbb;" (rgba(...) when the colour is translucent).
    QString getColorSheetByKey(const QString& key);
    // A style sheet that shows the image stretched over the widget: "border-image: url(...);".
    QString getImageSheet(const QString& key);

    bool hasColor(const QString& key) const;
    bool hasFont(const QString& key) const;
    bool hasImage(const QString& key) const;
    // Natural size of the image (an SVG's default size); the placeholder is 16 x 16.
    QSize imageSize(const QString& key);
    void drawImage(QPainter* painter, const QString& key, const QRect& rect);

    // Merges a theme file; false (and a warning) when it cannot be read or parsed. Widgets that
    // implement CUiResourceChangeHandler are told through themeChanged.
    bool loadTheme(const QString& path);
    // The keys that were asked for but not found, in the order they were first asked for.
    QStringList unknownKeys() const;

private:
    friend class CGridImage;

    struct ImageEntry
    {
        QString path;
        bool loaded = false;
        bool broken = false;
        QSize size;
        std::unique_ptr<QSvgRenderer> svg;
        std::unique_ptr<QPixmap> pixmap;
        // Rendering an SVG costs far more than blitting it: renderings are kept per size.
        QHash<QString, QPixmap> rendered;
    };

    void ensureDefaults();
    bool mergeTheme(const QString& path);
    void reportUnknown(const QString& kind, const QString& key);
    ImageEntry* imageEntry(const QString& key);
    void loadImage(ImageEntry& entry, const QString& key);
    void paintImage(QPainter* painter, const QString& key, const QRect& rect);
    static void paintPlaceholder(QPainter* painter, const QRect& rect);

    bool m_defaultsLoaded = false;
    std::map<QString, QColor> m_colors;
    std::map<QString, QFont> m_fonts;
    std::map<QString, ImageEntry> m_images;
    QSet<QString> m_knownColors;
    QSet<QString> m_knownFonts;
    QSet<QString> m_reported;
    QStringList m_unknownKeys;
};

} // namespace Kx

UTILS_DECLARE_SINGLETON(KX_EXPORT, Kx::CUiResource)
