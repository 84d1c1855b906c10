#include "kx/CImage.h"
#include "kx/CNStateGridImage.h"
#include "kx/CUiResource.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/ImageDrawObserver.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>
#include <log4cxx/spi/loggingevent.h>

#include <vector>

namespace {

// The log4cxx object macros name their types relative to namespace log4cxx.
using namespace log4cxx;

// Collects the warnings written to the "kx" logger.
class CountingAppender : public log4cxx::AppenderSkeleton
{
public:
    DECLARE_LOG4CXX_OBJECT(CountingAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(CountingAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(AppenderSkeleton)
    END_LOG4CXX_CAST_MAP()

    void append(const log4cxx::spi::LoggingEventPtr& event, log4cxx::helpers::Pool&) override
    {
        if (event->getLevel()->toInt() == log4cxx::Level::WARN_INT)
            warnings.push_back(QString::fromStdString(event->getRenderedMessage()));
    }
    void close() override {}
    bool requiresLayout() const override { return false; }

    int countMentioning(const QString& key) const
    {
        int n = 0;
        for (const QString& w : warnings)
            n += w.contains(QLatin1Char('"') + key + QLatin1Char('"')) ? 1 : 0;
        return n;
    }

    std::vector<QString> warnings;
};

IMPLEMENT_LOG4CXX_OBJECT(CountingAppender)

class ThemeListener : public QWidget, public Kx::CUiResourceChangeHandler
{
public:
    void themeChanged() override { ++changes; }
    int changes = 0;
};

class UiResource : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appender = std::make_shared<CountingAppender>();
        ::log4cxx::Logger::getLogger("kx")->addAppender(appender);
    }
    void TearDown() override
    {
        ::log4cxx::Logger::getLogger("kx")->removeAppender(appender);
        Kx::setImageDrawObserver({});
    }

    QString write(const QString& name, const QByteArray& content)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    QString writeTheme(const QString& name, const QByteArray& json) { return write(name, json); }

    Kx::CUiResource* res = utils::CSingletonT<Kx::CUiResource>::instance();
    QTemporaryDir dir;
    std::shared_ptr<CountingAppender> appender;
};

const QColor kMagenta(255, 0, 255);

TEST_F(UiResource, LoadsColoursFontsAndImagesFromAThemeFile)
{
    write(QStringLiteral("bar.svg"), R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">)"
                                     R"(<rect width="40" height="20" fill="#00ff00"/></svg>)");
    QImage png(6, 3, QImage::Format_ARGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(dir.filePath(QStringLiteral("dot.png"))));
    ThemeListener listener;
    const QString theme = writeTheme(QStringLiteral("t.json"), R"({
        "colors": {"clr_t_plain": "#102030", "clr_t_alpha": "#80102030"},
        "fonts": {"ocv_fnt_t": {"family": "DejaVu Sans", "pointSize": 13, "bold": true},
                  "ocv_fnt_t_px": {"family": "DejaVu Sans", "pixelSize": 17}},
        "images": {"ocv_img_t_bar": "bar.svg", "ocv_img_t_dot": "dot.png"}})");

    ASSERT_TRUE(res->loadTheme(theme));
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
    EXPECT_TRUE(res->getImageSheet(QStringLiteral("ocv_img_t_dot")).contains(QLatin1String("dot.png")));
    const Kx::CNStateGridImage twoStates(QStringLiteral("ocv_img_t_bar"), 2);
    EXPECT_EQ(twoStates.width(), 20);
    EXPECT_EQ(twoStates.height(), 20);

    // SVG is rendered at the requested size, not scaled from a small bitmap.
    QImage canvas(80, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        Kx::CImage(QStringLiteral("ocv_img_t_bar")).drawImage(&p, 0, 0, 80, 40);
    }
    EXPECT_EQ(canvas.pixelColor(79, 39), QColor(0, 255, 0));
    EXPECT_TRUE(appender->warnings.empty());
}

TEST_F(UiResource, UnknownKeysGivePlaceholdersAndOneWarningEach)
{
    const QString key = QStringLiteral("clr_t_missing");
    EXPECT_EQ(*res->getColor(key), kMagenta);
    EXPECT_EQ(*res->getColor(key), kMagenta);
    res->getColorSheetByKey(key);
    EXPECT_EQ(appender->countMentioning(key), 1);
    EXPECT_EQ(res->unknownKeys().count(key), 1);

    const QString fontKey = QStringLiteral("ocv_fnt_t_missing");
    EXPECT_EQ(res->getFont(fontKey)->family(), QApplication::font().family());
    res->getFont(fontKey);
    EXPECT_EQ(appender->countMentioning(fontKey), 1);

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
    EXPECT_EQ(appender->countMentioning(imageKey), 1);
}

TEST_F(UiResource, PointersStayValidAndFollowLaterThemes)
{
    const QString first = writeTheme(QStringLiteral("a.json"),
                                     R"({"colors": {"clr_t_stable": "#010203"},
                                         "fonts": {"ocv_fnt_t_stable": {"family": "DejaVu Sans", "pointSize": 9}}})");
    ASSERT_TRUE(res->loadTheme(first));
    QColor* color = res->getColor(QStringLiteral("clr_t_stable"));
    QFont* font = res->getFont(QStringLiteral("ocv_fnt_t_stable"));
    QColor* unknown = res->getColor(QStringLiteral("clr_t_late"));
    for (int i = 0; i < 500; ++i) {
        res->getColor(QStringLiteral("clr_t_filler_%1").arg(i));
        res->getFont(QStringLiteral("ocv_fnt_t_filler_%1").arg(i));
    }
    const QString second = writeTheme(QStringLiteral("b.json"),
                                      R"({"colors": {"clr_t_stable": "#040506", "clr_t_late": "#070809"},
                                          "fonts": {"ocv_fnt_t_stable": {"family": "DejaVu Sans", "pointSize": 11}}})");
    ASSERT_TRUE(res->loadTheme(second));
    EXPECT_EQ(res->getColor(QStringLiteral("clr_t_stable")), color);
    EXPECT_EQ(*color, QColor(4, 5, 6));
    EXPECT_EQ(res->getFont(QStringLiteral("ocv_fnt_t_stable")), font);
    EXPECT_EQ(font->pointSize(), 11);
    EXPECT_EQ(*unknown, QColor(7, 8, 9));
}

TEST_F(UiResource, UnreadableThemesAreRejected)
{
    EXPECT_FALSE(res->loadTheme(dir.filePath(QStringLiteral("absent.json"))));
    EXPECT_FALSE(res->loadTheme(writeTheme(QStringLiteral("bad.json"), "{\"colors\": ")));
    EXPECT_EQ(appender->warnings.size(), 2u);
}

TEST_F(UiResource, ObserverSeesEveryImageDrawOnce)
{
    struct Seen
    {
        QPainter* painter;
        QString key;
        QRect rect;
    };
    std::vector<Seen> seen;
    int ends = 0;
    Kx::setImageDrawObserver([&](QPainter* p, const QString& key, const QRect& r, bool begin) {
        if (begin)
            seen.push_back({p, key, r});
        else
            ++ends;
    });
    QImage canvas(50, 50, QImage::Format_ARGB32);
    QPainter p(&canvas);
    Kx::CImage(QStringLiteral("ocv_img_t_seen")).drawImage(&p, 3, 4, 10, 12);
    res->drawImage(&p, QStringLiteral("ocv_img_t_other"), QRect(1, 2, 5, 6));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].painter, &p);
    EXPECT_EQ(seen[0].key, QStringLiteral("ocv_img_t_seen"));
    EXPECT_EQ(seen[0].rect, QRect(3, 4, 10, 12));
    EXPECT_EQ(seen[1].key, QStringLiteral("ocv_img_t_other"));
    EXPECT_EQ(seen[1].rect, QRect(1, 2, 5, 6));
    EXPECT_EQ(ends, 2);
}

} // namespace
