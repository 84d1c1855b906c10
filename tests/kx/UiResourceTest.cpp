#include "LogCapture.h"
#include "Theme.h"

#include "kx/CImage.h"
#include "kx/CNStateGridImage.h"
#include "kx/CUiResourceChangeHandler.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Counts the warnings of the "kx" logger that name a key.
int countMentioning(const kit::LogCapture& log, const QString& key)
{
    const auto warnings = log.messages(log4cxx::Level::WARN_INT);
    return int(std::count_if(warnings.begin(), warnings.end(), [&](const QString& w) {
        return w.contains(QLatin1Char('"') + key + QLatin1Char('"'));
    }));
}

class ThemeListener : public QWidget, public Kx::CUiResourceChangeHandler
{
public:
    void themeChanged() override { ++changes; }
    int changes = 0;
};

const QColor kMagenta(255, 0, 255);

class UiResource : public ::testing::Test
{
protected:
    Kx::CUiResource* res = kit::uiResource();
    const kit::ScratchDir dir;
    kit::LogCapture log{"kx"};
};

TEST_F(UiResource, LoadsColoursFontsAndImagesFromAThemeFile)
{
    dir.write(QStringLiteral("bar.svg"), R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">)"
                                         R"(<rect width="40" height="20" fill="#00ff00"/></svg>)");
    QImage png(6, 3, QImage::Format_ARGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(dir.path(QStringLiteral("dot.png"))));
    ThemeListener listener;
    ASSERT_TRUE(dir.loadTheme(R"({
        "colors": {"clr_t_plain": "#102030", "clr_t_alpha": "#80102030"},
        "fonts": {"ocv_fnt_t": {"family": "DejaVu Sans", "pointSize": 13, "bold": true},
                  "ocv_fnt_t_px": {"family": "DejaVu Sans", "pixelSize": 17}},
        "images": {"ocv_img_t_bar": "bar.svg", "ocv_img_t_dot": "dot.png"}})"));
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(*res->getColor(QStringLiteral("clr_t_plain")), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(res->getColor(QStringLiteral("clr_t_alpha"))->alpha(), 0x80);
    EXPECT_EQ(res->getColorSheetByKey(QStringLiteral("clr_t_plain")), QStringLiteral("color: #102030;"));
    const QFont* font = res->getFont(QStringLiteral("ocv_fnt_t"));
    EXPECT_EQ(font->family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font->pointSize(), 13);
    EXPECT_TRUE(font->bold());
    EXPECT_EQ(res->getFont(QStringLiteral("ocv_fnt_t_px"))->pixelSize(), 17);

    EXPECT_TRUE(res->hasImage(QStringLiteral("ocv_img_t_bar")));
    EXPECT_EQ(res->imageSize(QStringLiteral("ocv_img_t_bar")), QSize(40, 20));
    EXPECT_EQ(res->imageSize(QStringLiteral("ocv_img_t_dot")), QSize(6, 3));
    const Kx::CNStateGridImage twoStates(QStringLiteral("ocv_img_t_bar"), 2);
    EXPECT_EQ(QSize(twoStates.width(), twoStates.height()), QSize(20, 20));

    EXPECT_TRUE(log.messages(log4cxx::Level::WARN_INT).empty());
}

TEST_F(UiResource, UnknownKeysGivePlaceholdersAndOneWarningEach)
{
    const QString key = QStringLiteral("clr_t_missing");
    EXPECT_EQ(*res->getColor(key), kMagenta);
    EXPECT_EQ(*res->getColor(key), kMagenta);
    res->getColorSheetByKey(key);
    EXPECT_EQ(countMentioning(log, key), 1);
    EXPECT_EQ(res->unknownKeys().count(key), 1);

    const QString fontKey = QStringLiteral("ocv_fnt_t_missing");
    EXPECT_EQ(res->getFont(fontKey)->family(), QApplication::font().family());
    res->getFont(fontKey);
    EXPECT_EQ(countMentioning(log, fontKey), 1);

    const QString imageKey = QStringLiteral("ocv_img_t_missing");
    EXPECT_FALSE(res->hasImage(imageKey));
    EXPECT_EQ(res->imageSize(imageKey), QSize(16, 16));
    QImage canvas(20, 20, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        res->drawImage(&p, imageKey, QRect(0, 0, 20, 20));
        Kx::CImage(imageKey).drawImage(&p, QRect(0, 0, 20, 20));
    }
    EXPECT_EQ(canvas.pixelColor(0, 0), kMagenta);
    EXPECT_EQ(canvas.pixelColor(10, 10), kMagenta);
    EXPECT_EQ(canvas.pixelColor(10, 2), QColor(Qt::white));
    EXPECT_EQ(countMentioning(log, imageKey), 1);
}

TEST_F(UiResource, PointersStayValidAndFollowLaterThemes)
{
    ASSERT_TRUE(dir.loadTheme(R"({"colors": {"clr_t_stable": "#010203"},
        "fonts": {"ocv_fnt_t_stable": {"family": "DejaVu Sans", "pointSize": 9}}})"));
    QColor* color = res->getColor(QStringLiteral("clr_t_stable"));
    QFont* font = res->getFont(QStringLiteral("ocv_fnt_t_stable"));
    QColor* unknown = res->getColor(QStringLiteral("clr_t_late"));
    // Enough new keys to make any rehashing container move its elements.
    for (int i = 0; i < 500; ++i) {
        res->getColor(QStringLiteral("clr_t_filler_%1").arg(i));
        res->getFont(QStringLiteral("ocv_fnt_t_filler_%1").arg(i));
    }
    ASSERT_TRUE(dir.loadTheme(R"({"colors": {"clr_t_stable": "#040506", "clr_t_late": "#070809"},
        "fonts": {"ocv_fnt_t_stable": {"family": "DejaVu Sans", "pointSize": 11}}})"));
    EXPECT_EQ(res->getColor(QStringLiteral("clr_t_stable")), color);
    EXPECT_EQ(*color, QColor(4, 5, 6));
    EXPECT_EQ(res->getFont(QStringLiteral("ocv_fnt_t_stable")), font);
    EXPECT_EQ(font->pointSize(), 11);
    EXPECT_EQ(*unknown, QColor(7, 8, 9));
}

TEST_F(UiResource, UnreadableThemesAreRejectedWithAWarning)
{
    ThemeListener listener;
    EXPECT_FALSE(res->loadTheme(dir.path(QStringLiteral("absent.json"))));
    EXPECT_FALSE(dir.loadTheme("{\"colors\": "));
    EXPECT_EQ(log.messages(log4cxx::Level::WARN_INT).size(), 2u);
    EXPECT_EQ(listener.changes, 0);
}

} // namespace
