#pragma once

#include "EventSink.h"
#include "PaintRecorder.h"
#include "ScenarioBuilder.h"

#include "dashboard/SysStatusMap.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QVector>

#include <gtest/gtest.h>

#include <memory>

namespace striptest {

using kit::Events;
using kit::EventSink;

inline void press(QWidget* w, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseButtonPress, pos, button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A plain move without a button; returns the cursor it leaves.
inline Qt::CursorShape moveTo(QWidget* w, QPointF pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
    return w->cursor().shape();
}

inline QFont sized(QFont font, int pointSize, bool bold)
{
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

inline int advance(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// Asserts that text was drawn once or more, the first time at (x, y) in colour.
inline void expectText(const QVector<kit::PaintOp>& ops, const QString& text, qreal x, qreal y,
                       const QColor& color, int occurrence = 0)
{
    const kit::PaintOp op = kit::PaintRecorder::findText(ops, text, occurrence);
    ASSERT_EQ(op.text, text) << "not drawn: " << text.toStdString();
    EXPECT_DOUBLE_EQ(op.pos.x(), x) << text.toStdString();
    EXPECT_DOUBLE_EQ(op.pos.y(), y) << text.toStdString();
    EXPECT_EQ(op.color, color) << text.toStdString() << " drawn in " << op.color.name().toStdString();
}

// Asserts the point size and weight of the font text was drawn with.
inline void expectFont(const QVector<kit::PaintOp>& ops, const QString& text, int pointSize, bool bold,
                       int occurrence = 0)
{
    const QFont font = kit::PaintRecorder::findText(ops, text, occurrence).font;
    EXPECT_EQ(font.pointSize(), pointSize) << text.toStdString();
    EXPECT_EQ(font.bold(), bold) << text.toStdString();
}

inline QVector<kit::PaintOp> images(const QVector<kit::PaintOp>& ops, const QString& key)
{
    QVector<kit::PaintOp> result;
    for (const kit::PaintOp& op : ops) {
        if (op.kind == kit::PaintOp::Image && op.imageKey == key)
            result.append(op);
    }
    return result;
}

// Builds a W under an event sink for the scenario configured so far; paint() hands it a status map.
template <class W> class StripTest : public ::testing::Test
{
protected:
    W* makeStrip()
    {
        builder.install();
        sink = std::make_unique<EventSink>();
        return new W(sink.get());
    }
    QVector<kit::PaintOp> paint(W* strip, Ocv::SysStatusMap map)
    {
        strip->setSysInfo(map);
        return kit::PaintRecorder::record(strip);
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<EventSink> sink;
};

const QColor kGrey(102, 102, 102);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kFrame(219, 219, 219);

} // namespace striptest
