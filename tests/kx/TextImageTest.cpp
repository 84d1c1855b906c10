#include "ControlTestKit.h"

#include "kx/CImageWidget.h"
#include "kx/CSimpleTextWidget.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::Events;
using kit::PaintOp;
using kit::PaintRecorder;

const QString kSentence = QStringLiteral("The quick brown fox jumps over the lazy dog");

TEST(SimpleText, LimitsElidesWrapsAndClicksWhenClickable)
{
    kit::loadShippedTheme();
    kit::EventSink sink;
    sink.show();
    const QFontMetricsF metrics(kit::themeFont("fnt_default_normal"));
    auto* label = new Kx::CSimpleTextWidget(12, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, &sink);
    const QString status = QStringLiteral("交易系统状态正常");
    label->resize(300, 20);
    label->setText(status, 4);
    EXPECT_EQ(label->text(), QStringLiteral("交易系统…"));
    EXPECT_EQ(label->toolTip(), status);
    label->setText(status, 8);
    EXPECT_EQ(label->text(), status);
    label->setText(status, 100000);
    EXPECT_TRUE(label->toolTip().isEmpty());

    label->resize(80, 30);
    label->setText(kSentence, 100000);
    const QVector<PaintOp> texts = PaintRecorder::texts(PaintRecorder::record(label));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, metrics.elidedText(kSentence, Qt::ElideRight, 80));
    EXPECT_NEAR(texts[0].pos.y(), (30 - metrics.height()) / 2 + metrics.ascent(), 1.0);

    auto* wrapped = new Kx::CSimpleTextWidget(14, Qt::AlignLeft | Qt::AlignTop, &sink);
    wrapped->setText(kSentence, 100000);
    wrapped->resize(120, wrapped->heightForWidth(120));
    const QVector<PaintOp> lines = PaintRecorder::texts(PaintRecorder::record(wrapped));
    ASSERT_GT(lines.size(), 1);
    QStringList words;
    for (const PaintOp& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line.text.trimmed()), 120);
        words << line.text.trimmed();
    }
    EXPECT_EQ(words.join(QLatin1Char(' ')), kSentence);
    EXPECT_LE(lines.last().pos.y() + metrics.descent(), wrapped->height() + 1.0) << "room for every line";

    label->setText(QStringLiteral("details"), 100000);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(sink.received.empty());
    label->setClickable(true);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{9, 12, 0, QStringLiteral("details"), label}}));
}

TEST(ImageWidget, PaintsItsImageOverItsRectAndClicksWhenClickable)
{
    const kit::ScratchDir dir;
    dir.write(
        QStringLiteral("bar.svg"),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20"><rect width="40" height="20"/></svg>)");
    ASSERT_TRUE(
        dir.loadTheme(R"({"images": {"img_t_widget_bar": "bar.svg", "img_t_widget_other": "bar.svg"}})"));

    kit::EventSink sink;
    auto* image = new Kx::CImageWidget(21, QStringLiteral("img_t_widget_bar"), &sink);
    EXPECT_EQ(image->sizeHint(), QSize(40, 20));
    image->resize(80, 30);
    sink.show();
    const QVector<PaintOp> ops = PaintRecorder::record(image);
    ASSERT_EQ(ops.size(), 1);
    EXPECT_EQ(ops[0].rect, QRectF(0, 0, 80, 30));
    image->setImageKey(QStringLiteral("img_t_widget_other"));
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_TRUE(sink.received.empty());
    image->setClickable(true);
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{82, 21, 0, QStringLiteral("img_t_widget_other"), image}}));
}

} // namespace
