#include "kx/CWidgetList.h"

#include <QLayout>
#include <QSpacerItem>
#include <QWidgetItem>

#include <algorithm>
#include <vector>

namespace Kx {

namespace {

enum class EEntryKind
{
    FixedWidget,
    StretchWidget,
    FixedSpace,
    StretchSpace
};

struct Entry
{
    QLayoutItem* item = nullptr;
    EEntryKind kind = EEntryKind::FixedSpace;
    int stretch = 0;
    int anchor = AnchorStart;
    int space = 0;
};

// Sizes come from the widget itself rather than from QWidgetItem, which reports nothing for a
// widget whose window was not shown yet.
QSize hintOf(const Entry& e)
{
    const QWidget* w = e.item->widget();
    QSize s = w->sizeHint();
    s = QSize(std::max(0, s.width()), std::max(0, s.height()));
    return s.expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
}

QSize minOf(const Entry& e)
{
    return e.item->widget()->minimumSize();
}

QSize maxOf(const Entry& e)
{
    return e.item->widget()->maximumSize();
}

bool isWidgetEntry(const Entry& e)
{
    return e.kind == EEntryKind::FixedWidget || e.kind == EEntryKind::StretchWidget;
}

} // namespace

class CWidgetListLayout : public QLayout
{
public:
    CWidgetListLayout(Qt::Orientation orientation, QWidget* parent)
        : QLayout(parent), m_orientation(orientation)
    {
        setContentsMargins(0, 0, 0, 0);
    }

    ~CWidgetListLayout() override
    {
        for (Entry& e : m_entries)
            delete e.item;
    }

    Qt::Orientation orientation() const { return m_orientation; }
    void setListSpacing(int spacing)
    {
        m_spacing = std::max(0, spacing);
        invalidate();
    }
    int listSpacing() const { return m_spacing; }

    void addEntry(const Entry& entry)
    {
        m_entries.push_back(entry);
        invalidate();
    }

    void addWidgetEntry(QWidget* w, EEntryKind kind, int stretch, int anchor)
    {
        addChildWidget(w);
        Entry e;
        e.item = new QWidgetItem(w);
        e.kind = kind;
        e.stretch = std::max(0, stretch);
        e.anchor = anchor;
        addEntry(e);
    }

    void addItem(QLayoutItem* item) override
    {
        Entry e;
        e.item = item;
        e.kind = EEntryKind::FixedWidget;
        addEntry(e);
    }

    int count() const override { return static_cast<int>(m_entries.size()); }

    QLayoutItem* itemAt(int index) const override
    {
        return index >= 0 && index < count() ? m_entries[static_cast<size_t>(index)].item : nullptr;
    }

    QLayoutItem* takeAt(int index) override
    {
        if (index < 0 || index >= count())
            return nullptr;
        QLayoutItem* item = m_entries[static_cast<size_t>(index)].item;
        m_entries.erase(m_entries.begin() + index);
        invalidate();
        return item;
    }

    Qt::Orientations expandingDirections() const override
    {
        for (const Entry& e : m_entries) {
            if (e.kind == EEntryKind::StretchWidget || e.kind == EEntryKind::StretchSpace)
                return m_orientation;
        }
        return {};
    }

    QSize sizeHint() const override { return totalSize(false); }
    QSize minimumSize() const override { return totalSize(true); }

    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        const QRect area = rect.marginsRemoved(contentsMargins());
        const bool horizontal = m_orientation == Qt::Horizontal;
        const int availMain = horizontal ? area.width() : area.height();
        const int availCross = horizontal ? area.height() : area.width();

        std::vector<const Entry*> shown;
        for (const Entry& e : m_entries) {
            if (!isSkipped(e))
                shown.push_back(&e);
        }
        if (shown.empty())
            return;

        std::vector<int> sizes(shown.size(), 0);
        std::vector<size_t> flexible;
        int used = m_spacing * static_cast<int>(shown.size() - 1);
        for (size_t i = 0; i < shown.size(); ++i) {
            const Entry& e = *shown[i];
            switch (e.kind) {
            case EEntryKind::FixedWidget:
                sizes[i] = mainOf(hintOf(e));
                break;
            case EEntryKind::FixedSpace:
                sizes[i] = e.space;
                break;
            case EEntryKind::StretchWidget:
            case EEntryKind::StretchSpace:
                flexible.push_back(i);
                break;
            }
            used += sizes[i];
        }
        distribute(shown, flexible, availMain - used, sizes);

        int pos = horizontal ? area.left() : area.top();
        for (size_t i = 0; i < shown.size(); ++i) {
            const Entry& e = *shown[i];
            if (isWidgetEntry(e))
                placeWidget(e, pos, sizes[i], horizontal ? area.top() : area.left(), availCross);
            pos += sizes[i] + m_spacing;
        }
    }

private:
    static bool isSkipped(const Entry& e)
    {
        QWidget* w = e.item->widget();
        if (!w)
            return false;
        return w->isWindow() || (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }

    int mainOf(const QSize& s) const { return m_orientation == Qt::Horizontal ? s.width() : s.height(); }
    int crossOf(const QSize& s) const { return m_orientation == Qt::Horizontal ? s.height() : s.width(); }

    // Shares 'room' among the stretch entries by factor; widgets that hit their minimum or
    // maximum are pinned there and the rest is shared again.
    void distribute(const std::vector<const Entry*>& shown, std::vector<size_t> open, int room,
                    std::vector<int>& sizes) const
    {
        while (!open.empty()) {
            int totalStretch = 0;
            for (size_t i : open)
                totalStretch += shown[i]->stretch;
            std::vector<int> share(open.size(), 0);
            int given = 0;
            for (size_t k = 0; k < open.size(); ++k) {
                const int stretch = totalStretch > 0 ? shown[open[k]]->stretch : 1;
                const int total = totalStretch > 0 ? totalStretch : static_cast<int>(open.size());
                share[k] = room > 0 ? static_cast<int>(static_cast<long long>(room) * stretch / total) : 0;
                given += share[k];
            }
            if (room > given)
                share.back() += room - given;

            std::vector<size_t> stillOpen;
            int pinnedRoom = 0;
            for (size_t k = 0; k < open.size(); ++k) {
                const Entry& e = *shown[open[k]];
                int lo = 0;
                int hi = QWIDGETSIZE_MAX;
                if (e.kind == EEntryKind::StretchWidget) {
                    lo = mainOf(minOf(e));
                    hi = mainOf(maxOf(e));
                }
                const int bounded = std::clamp(share[k], lo, std::max(lo, hi));
                if (bounded != share[k]) {
                    sizes[open[k]] = bounded;
                    pinnedRoom += bounded;
                } else {
                    stillOpen.push_back(open[k]);
                }
            }
            if (stillOpen.size() == open.size()) {
                for (size_t k = 0; k < open.size(); ++k)
                    sizes[open[k]] = share[k];
                return;
            }
            room -= pinnedRoom;
            open = std::move(stillOpen);
        }
    }

    void placeWidget(const Entry& e, int mainPos, int mainSize, int crossStart, int availCross) const
    {
        const int minCross = crossOf(minOf(e));
        const int maxCross = std::max(minCross, crossOf(maxOf(e)));
        int crossSize;
        if (e.anchor == AnchorFill)
            crossSize = std::clamp(availCross, minCross, maxCross);
        else
            crossSize = std::min(crossOf(hintOf(e)), std::max(availCross, minCross));

        int crossPos = crossStart;
        if (e.anchor == AnchorCenter)
            crossPos += (availCross - crossSize) / 2;
        else if (e.anchor == AnchorEnd)
            crossPos += availCross - crossSize;

        const QRect r = m_orientation == Qt::Horizontal ? QRect(mainPos, crossPos, mainSize, crossSize)
                                                        : QRect(crossPos, mainPos, crossSize, mainSize);
        e.item->widget()->setGeometry(r);
    }

    QSize totalSize(bool minimum) const
    {
        int main = 0;
        int cross = 0;
        int n = 0;
        for (const Entry& e : m_entries) {
            if (isSkipped(e))
                continue;
            ++n;
            switch (e.kind) {
            case EEntryKind::FixedWidget:
                main += mainOf(hintOf(e));
                cross = std::max(cross, crossOf(minimum ? minOf(e) : hintOf(e)));
                break;
            case EEntryKind::StretchWidget: {
                const QSize s = minimum ? minOf(e) : hintOf(e);
                main += mainOf(s);
                cross = std::max(cross, crossOf(s));
                break;
            }
            case EEntryKind::FixedSpace:
                main += e.space;
                break;
            case EEntryKind::StretchSpace:
                break;
            }
        }
        if (n > 1)
            main += m_spacing * (n - 1);
        const QMargins m = contentsMargins();
        if (m_orientation == Qt::Horizontal)
            return QSize(main + m.left() + m.right(), cross + m.top() + m.bottom());
        return QSize(cross + m.left() + m.right(), main + m.top() + m.bottom());
    }

    Qt::Orientation m_orientation;
    int m_spacing = 0;
    std::vector<Entry> m_entries;
};

CWidgetList::CWidgetList(Qt::Orientation orientation, QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_widget_list"), false, parent),
      m_layout(new CWidgetListLayout(orientation, this))
{
}

CWidgetList::~CWidgetList() = default;

Qt::Orientation CWidgetList::orientation() const
{
    return m_layout->orientation();
}

void CWidgetList::setMargin(int left, int top, int right, int bottom)
{
    m_layout->setContentsMargins(left, top, right, bottom);
}

void CWidgetList::setSpacing(int spacing)
{
    m_layout->setListSpacing(spacing);
}

int CWidgetList::spacing() const
{
    return m_layout->listSpacing();
}

void CWidgetList::addFixedWidget(QWidget* w, int anchor, bool show)
{
    if (!w)
        return;
    m_layout->addWidgetEntry(w, EEntryKind::FixedWidget, 0, anchor);
    if (show)
        w->show();
}

void CWidgetList::addStretchWidget(QWidget* w, int stretch, int anchor, bool show)
{
    if (!w)
        return;
    m_layout->addWidgetEntry(w, EEntryKind::StretchWidget, stretch, anchor);
    if (show)
        w->show();
}

void CWidgetList::addFixedSpace(int size)
{
    Entry e;
    e.item = new QSpacerItem(0, 0);
    e.kind = EEntryKind::FixedSpace;
    e.space = std::max(0, size);
    m_layout->addEntry(e);
}

void CWidgetList::addStretchSpace(int stretch)
{
    Entry e;
    e.item = new QSpacerItem(0, 0);
    e.kind = EEntryKind::StretchSpace;
    e.stretch = std::max(0, stretch);
    m_layout->addEntry(e);
}

void CWidgetList::removeWidget(QWidget* w)
{
    m_layout->removeWidget(w);
}

int CWidgetList::entryCount() const
{
    return m_layout->count();
}

} // namespace Kx
