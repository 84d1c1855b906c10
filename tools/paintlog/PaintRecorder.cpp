#include "PaintRecorder.h"

#include "kx/ImageDrawObserver.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextItem>
#include <QWidget>

namespace kit {

namespace {

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyFont)
            m_font = state.font();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    // Text that needs fallback fonts (Latin and CJK in one string) arrives as several items;
    // an item that starts where the previous one ended on the same baseline continues it.
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QPointF pos = m_transform.map(p);
        if (m_imageDepth == 0 && !ops.isEmpty() && ops.last().kind == PaintOp::Text && m_textContinues &&
            qFuzzyCompare(ops.last().pos.y(), pos.y()) && qAbs(m_textEnd - pos.x()) < 0.5 &&
            ops.last().color == m_pen.color() && ops.last().font == item.font()) {
            ops.last().text += item.text();
            m_textEnd = pos.x() + item.width();
            return;
        }
        PaintOp op;
        op.kind = PaintOp::Text;
        op.pos = pos;
        op.text = item.text();
        op.font = item.font();
        op.color = m_pen.color();
        add(op);
        m_textEnd = pos.x() + item.width();
        m_textContinues = true;
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            PaintOp op;
            op.kind = PaintOp::Line;
            op.line = m_transform.map(lines[i]);
            op.color = m_pen.color();
            add(op);
        }
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            PaintOp op;
            op.kind = PaintOp::Rect;
            op.rect = m_transform.mapRect(rects[i]);
            op.color = m_pen.style() == Qt::NoPen ? QColor() : m_pen.color();
            op.fill = m_brush.style() == Qt::NoBrush ? QColor() : m_brush.color();
            add(op);
        }
    }

    void drawPath(const QPainterPath& path) override { addShape(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        addShape(QPolygonF(QVector<QPointF>(points, points + count)).boundingRect());
    }
    void drawEllipse(const QRectF& r) override { addShape(r); }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { addShape(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        addShape(r);
    }

    void beginImage(const QString& key, const QRectF& deviceRect)
    {
        PaintOp op;
        op.kind = PaintOp::Image;
        op.rect = deviceRect;
        op.imageKey = key;
        add(op);
        ++m_imageDepth;
    }
    void endImage()
    {
        if (m_imageDepth > 0)
            --m_imageDepth;
    }

    QVector<PaintOp> ops;

private:
    void add(const PaintOp& op)
    {
        m_textContinues = false;
        if (m_imageDepth == 0 || op.kind == PaintOp::Image)
            ops.append(op);
    }
    void addShape(const QRectF& r)
    {
        PaintOp op;
        op.kind = PaintOp::Shape;
        op.rect = m_transform.mapRect(r);
        op.color = m_pen.color();
        add(op);
    }

    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    qreal m_textEnd = 0;
    bool m_textContinues = false;
    QTransform m_transform;
    int m_imageDepth = 0;
};

class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(const QSize& size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    RecordingEngine& engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int dpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
        const int dpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / (10 * dpiX);
        case PdmHeightMM:
            return m_size.height() * 254 / (10 * dpiY);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return dpiY;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable RecordingEngine m_engine;
};

QString kindName(PaintOp::Kind kind)
{
    switch (kind) {
    case PaintOp::Text:
        return QStringLiteral("text");
    case PaintOp::Line:
        return QStringLiteral("line");
    case PaintOp::Rect:
        return QStringLiteral("rect");
    case PaintOp::Image:
        return QStringLiteral("image");
    case PaintOp::Shape:
        return QStringLiteral("shape");
    }
    return QString();
}

} // namespace

QJsonObject PaintOp::toJson() const
{
    QJsonObject o;
    o[QStringLiteral("widget")] = widget;
    o[QStringLiteral("op")] = kindName(kind);
    switch (kind) {
    case Text:
        o[QStringLiteral("x")] = pos.x();
        o[QStringLiteral("y")] = pos.y();
        o[QStringLiteral("text")] = text;
        o[QStringLiteral("font")] = QJsonObject{{QStringLiteral("family"), font.family()},
                                                {QStringLiteral("pointSize"), font.pointSizeF()},
                                                {QStringLiteral("bold"), font.bold()}};
        break;
    case Line:
        o[QStringLiteral("x1")] = line.x1();
        o[QStringLiteral("y1")] = line.y1();
        o[QStringLiteral("x2")] = line.x2();
        o[QStringLiteral("y2")] = line.y2();
        break;
    default:
        o[QStringLiteral("x")] = rect.x();
        o[QStringLiteral("y")] = rect.y();
        o[QStringLiteral("w")] = rect.width();
        o[QStringLiteral("h")] = rect.height();
        break;
    }
    if (kind == Image)
        o[QStringLiteral("image")] = imageKey;
    else if (color.isValid())
        o[QStringLiteral("color")] = color.name(QColor::HexArgb);
    if (fill.isValid())
        o[QStringLiteral("fill")] = fill.name(QColor::HexArgb);
    return o;
}

QVector<PaintOp> PaintRecorder::record(QWidget* widget)
{
    RecordingDevice device(widget->size().expandedTo(QSize(1, 1)));
    RecordingEngine* engine = &device.engine();
    Kx::setImageDrawObserver([engine](QPainter* painter, const QString& key, const QRect& rect, bool begin) {
        if (painter->paintEngine() != engine)
            return;
        if (begin)
            engine->beginImage(key, painter->deviceTransform().mapRect(QRectF(rect)));
        else
            engine->endImage();
    });
    widget->render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    Kx::setImageDrawObserver(nullptr);

    QVector<PaintOp> ops = engine->ops;
    for (PaintOp& op : ops)
        op.widget = widget->objectName();
    return ops;
}

QVector<PaintOp> PaintRecorder::recordTree(QWidget* root)
{
    QVector<PaintOp> all = record(root);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->isVisibleTo(root) && !child->objectName().isEmpty())
            all += record(child);
    }
    return all;
}

QVector<PaintOp> PaintRecorder::texts(const QVector<PaintOp>& ops)
{
    QVector<PaintOp> result;
    for (const PaintOp& op : ops) {
        if (op.kind == PaintOp::Text)
            result.append(op);
    }
    return result;
}

PaintOp PaintRecorder::findText(const QVector<PaintOp>& ops, const QString& text, int occurrence)
{
    for (const PaintOp& op : ops) {
        if (op.kind == PaintOp::Text && op.text == text && occurrence-- == 0)
            return op;
    }
    return PaintOp();
}

int PaintRecorder::countText(const QVector<PaintOp>& ops, const QString& text)
{
    int count = 0;
    for (const PaintOp& op : ops) {
        if (op.kind == PaintOp::Text && op.text == text)
            ++count;
    }
    return count;
}

QVector<QLine> PaintRecorder::hairlines(const QVector<PaintOp>& ops, const QColor& color)
{
    QVector<QLine> lines;
    for (const PaintOp& op : ops) {
        if (op.kind != PaintOp::Rect || op.fill != color || op.color.isValid())
            continue;
        const QRect r = op.rect.toRect();
        if (r.width() == 1)
            lines.append(QLine(r.left(), r.top(), r.left(), r.bottom()));
        else if (r.height() == 1)
            lines.append(QLine(r.left(), r.top(), r.right(), r.top()));
    }
    return lines;
}

} // namespace kit
