#include "ControlTestKit.h"

#include "kx/CImageWidget.h"
#include "kx/CSimpleTextWidget.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::PaintOp;
using kit::PaintRecorder;
using kxtest::Events;

const QString kSentence = QStringLiteral("The quick brown fox jumps over the lazy dog");

class SimpleText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kxtest::loadShippedTheme();
        sink.resize(300, 100);
        sink.show();
    }

    kxtest::EventSink sink;
    Kx::CSimpleTextWidget* label =
        new Kx::CSimpleTextWidget(12, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, &sink);
    QFontMetricsF metrics{kxtest::themeFont("fnt_default_normal")};
};

TEST_F(SimpleText, TheLimitKeepsThatManyCharactersThenAnEllipsis)
{
    const QString status = QStringLiteral("交易系统状态正常");
    label->resize(300, 20);
    label->setText(status, 4);
    EXPECT_EQ(label->text(), QStringLiteral("交易系统…"));
    EXPECT_EQ(label->toolTip(), status);
    label->setText(status, 8);
    EXPECT_EQ(label->text(), status);
    label->setText(status, 100000);
    EXPECT_EQ(label->text(), status);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(SimpleText, OneLineIsElidedToTheWidthAndAligned)
{
    label->resize(80, 30);
    label->setText(kSentence, 100000);
    const QVector<PaintOp> texts = PaintRecorder::texts(PaintRecorder::record(label));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, metrics.elidedText(kSentence, Qt::ElideRight, 80));
    EXPECT_TRUE(texts[0].text.endsWith(QChar(0x2026)));
    EXPECT_EQ(texts[0].color, kxtest::themeColor("clr_default"));
    EXPECT_NEAR(texts[0].pos.x(), 0, 1.0);
    EXPECT_NEAR(texts[0].pos.y(), (30 - metrics.height()) / 2 + metrics.ascent(), 1.0);

    auto* number =
        new Kx::CSimpleTextWidget(13, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, &sink);
    number->resize(80, 30);
    number->setText(QStringLiteral("42"), 100000);
    const PaintOp op = PaintRecorder::findText(PaintRecorder::record(number), QStringLiteral("42"));
    EXPECT_NEAR(op.pos.x(), 80 - metrics.horizontalAdvance(QStringLiteral("42")), 1.0);
}

TEST_F(SimpleText, WithoutSingleLineTheTextWrapsWithinTheWidth)
{
    auto* wrapped = new Kx::CSimpleTextWidget(14, Qt::AlignLeft | Qt::AlignTop, &sink);
    wrapped->setText(kSentence, 100000);
    wrapped->resize(120, wrapped->heightForWidth(120));
    const QVector<PaintOp> lines = PaintRecorder::texts(PaintRecorder::record(wrapped));
    ASSERT_GT(lines.size(), 1);
    QStringList words;
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LE(metrics.horizontalAdvance(lines[i].text.trimmed()), 120);
        if (i > 0) {
            EXPECT_NEAR(lines[i].pos.y() - lines[i - 1].pos.y(), metrics.lineSpacing(), 1.0);
        }
        words << lines[i].text.trimmed();
    }
    EXPECT_EQ(words.join(QLatin1Char(' ')), kSentence);
    EXPECT_LE(lines.last().pos.y() + metrics.descent(), wrapped->height() + 1.0) << "room for every line";
}

TEST_F(SimpleText, AClickableLabelShowsTheHandAndDeliversEventNine)
{
    label->resize(100, 20);
    label->setText(QStringLiteral("details"), 100000);
    QSignalSpy clicks(label, &Kx::CSimpleTextWidget::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(sink.received.empty());
    label->setClickable(true);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{9, 12, 0, QStringLiteral("details"), label}}));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ImageWidget, PaintsItsImageOverItsRectAndClicksWhenClickable)
{
    QTemporaryDir dir;
    QFile svg(dir.filePath(QStringLiteral("bar.svg")));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20"><rect width="40" height="20"/></svg>)");
    svg.close();
    QFile theme(dir.filePath(QStringLiteral("t.json")));
    ASSERT_TRUE(theme.open(QIODevice::WriteOnly));
    theme.write(R"({"images": {"img_t_widget_bar": "bar.svg", "img_t_widget_other": "bar.svg"}})");
    theme.close();
    ASSERT_TRUE(utils::CSingletonT<Kx::CUiResource>::instance()->loadTheme(theme.fileName()));

    kxtest::EventSink sink;
    auto* image = new Kx::CImageWidget(21, QStringLiteral("img_t_widget_bar"), &sink);
    EXPECT_EQ(image->sizeHint(), QSize(40, 20));
    image->resize(80, 30);
    sink.show();
    QVector<PaintOp> ops = PaintRecorder::record(image);
    ASSERT_EQ(ops.size(), 1);
    EXPECT_EQ(ops[0].imageKey, QStringLiteral("img_t_widget_bar"));
    EXPECT_EQ(ops[0].rect, QRectF(0, 0, 80, 30));
    image->setImageKey(QStringLiteral("img_t_widget_other"));
    EXPECT_EQ(PaintRecorder::record(image).value(0).imageKey, QStringLiteral("img_t_widget_other"));

    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_TRUE(sink.received.empty());
    image->setClickable(true);
    EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{82, 21, 0, QStringLiteral("img_t_widget_other"), image}}));
}

} // namespace
