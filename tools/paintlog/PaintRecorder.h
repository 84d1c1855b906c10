#pragma once

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QLine>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector>

class QWidget;

namespace kit {

// One draw operation as the widget issued it, in the widget's own coordinates.
struct PaintOp
{
    enum Kind
    {
        Text,
        Line,
        Rect,
        Image,
        Shape
    };
    Kind kind = Text;
    QString widget;   // object name of the widget that painted
    QPointF pos;      // Text: baseline start
    QLineF line;      // Line
    QRectF rect;      // Rect, Image, Shape: bounds
    QString text;     // Text
    QColor color;     // pen colour (Text, Line, Rect, Shape); invalid without a pen
    QColor fill;      // Rect: brush colour; invalid without a brush
    QFont font;       // Text
    QString imageKey; // Image

    QJsonObject toJson() const;
};

// Records what a widget paints by rendering it onto a recording paint device. Only the widget's
// own paintEvent is recorded: no background, no children. Drawing done inside an image (an SVG
// icon's own paths) is folded into the single Image operation of that image.
class PaintRecorder
{
public:
    static QVector<PaintOp> record(QWidget* widget);

    // Every module widget below root (and root itself) that paints something, in tree order.
    static QVector<PaintOp> recordTree(QWidget* root);

    static QVector<PaintOp> texts(const QVector<PaintOp>& ops);
    // The first text operation whose text equals text; a Text op with an empty text when none does.
    static PaintOp findText(const QVector<PaintOp>& ops, const QString& text, int occurrence = 0);
    static int countText(const QVector<PaintOp>& ops, const QString& text);
    // Frames and dividers painted as one-pixel fills of the colour, each as the line that covers
    // the same pixels (ends included), in painting order.
    static QVector<QLine> hairlines(const QVector<PaintOp>& ops, const QColor& color);
};

} // namespace kit
