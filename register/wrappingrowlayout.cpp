#include "register/wrappingrowlayout.h"

#include <QWidget>

namespace {

// The width the item would like. A widget whose width policy is Ignored
// reads as 0 wide through its layout item; its own hint is what it needs
// to show everything.
int preferredWidth(QLayoutItem *item)
{
    if (QWidget *widget = item->widget()) {
        const int hint = widget->sizeHint().width();
        return qBound(widget->minimumWidth(), hint, widget->maximumWidth());
    }
    return item->sizeHint().width();
}

int heightAt(QLayoutItem *item, int width, int lineHeight = 0)
{
    if (item->hasHeightForWidth())
        return item->heightForWidth(width);
    const int wanted = qMax(item->sizeHint().height(), lineHeight);
    return qBound(item->minimumSize().height(), wanted, item->maximumSize().height());
}

struct Placement
{
    QLayoutItem *item;
    int width;
};

// Puts a line of items at `top`, their heights centred on the line's; the
// line's height.
int placeLine(const QList<Placement> &line, int left, int top, bool apply, int gap)
{
    int lineHeight = 0;
    for (const Placement &placed : line)
        lineHeight = qMax(lineHeight, heightAt(placed.item, placed.width));
    int x = left;
    for (const Placement &placed : line) {
        const int height = placed.item->hasHeightForWidth() ? heightAt(placed.item, placed.width)
                                                             : heightAt(placed.item, placed.width, lineHeight);
        if (apply)
            placed.item->setGeometry(QRect(x, top + (lineHeight - height) / 2, placed.width, height));
        x += placed.width + gap;
    }
    return lineHeight;
}

} // namespace

WrappingRowLayout::WrappingRowLayout(QWidget *parent)
    : QHBoxLayout(parent)
{
}

QList<QLayoutItem *> WrappingRowLayout::shownItems() const
{
    QList<QLayoutItem *> items;
    for (int index = 0; index < count(); ++index) {
        QLayoutItem *item = itemAt(index);
        // Stretches and hidden widgets are empty.
        if (item && !item->isEmpty())
            items.append(item);
    }
    return items;
}

int WrappingRowLayout::gap() const
{
    return qMax(0, spacing());
}

QSize WrappingRowLayout::sizeHint() const
{
    const QList<QLayoutItem *> items = shownItems();
    int width = 0;
    int height = 0;
    for (QLayoutItem *item : items) {
        width += preferredWidth(item);
        height = qMax(height, item->sizeHint().height());
    }
    if (!items.isEmpty())
        width += gap() * (items.size() - 1);
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

QSize WrappingRowLayout::minimumSize() const
{
    int width = 0;
    int height = 0;
    for (QLayoutItem *item : shownItems()) {
        width = qMax(width, item->minimumSize().width());
        height = qMax(height, item->minimumSize().height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

bool WrappingRowLayout::hasHeightForWidth() const
{
    return true;
}

int WrappingRowLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const QRect area(0, 0, width - margins.left() - margins.right(), 0);
    return arrange(area, false) + margins.top() + margins.bottom();
}

int WrappingRowLayout::minimumHeightForWidth(int width) const
{
    return heightForWidth(width);
}

void WrappingRowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect.marginsRemoved(contentsMargins()), true);
}

int WrappingRowLayout::arrange(const QRect &area, bool apply) const
{
    const QList<QLayoutItem *> items = shownItems();
    if (items.isEmpty())
        return 0;
    const int available = qMax(1, area.width());
    int others = 0;
    for (int index = 1; index < items.size(); ++index)
        others += preferredWidth(items.at(index)) + gap();
    QLayoutItem *first = items.constFirst();

    if (preferredWidth(first) + others <= available) {
        QList<Placement> line{{first, available - others}};
        for (int index = 1; index < items.size(); ++index)
            line.append({items.at(index), preferredWidth(items.at(index))});
        return placeLine(line, area.left(), area.top(), apply, gap());
    }

    // One line each for the first item and for as many of the others as fit.
    const int lineGap = qMin(gap(), 8);
    int top = area.top();
    bool firstLine = true;
    if (preferredWidth(first) > 0) {
        top += placeLine({{first, available}}, area.left(), top, apply, gap());
        firstLine = false;
    } else if (apply) {
        first->setGeometry(QRect(area.topLeft(), QSize(0, 0)));
    }
    QList<Placement> line;
    int lineWidth = 0;
    const auto flush = [&] {
        if (line.isEmpty())
            return;
        if (!firstLine)
            top += lineGap;
        top += placeLine(line, area.left() + available - lineWidth, top, apply, gap());
        firstLine = false;
        line.clear();
        lineWidth = 0;
    };
    for (int index = 1; index < items.size(); ++index) {
        QLayoutItem *item = items.at(index);
        const int width = qBound(qMin(item->minimumSize().width(), available), preferredWidth(item), available);
        if (!line.isEmpty() && lineWidth + gap() + width > available)
            flush();
        lineWidth += (line.isEmpty() ? 0 : gap()) + width;
        line.append({item, width});
    }
    flush();
    return top - area.top();
}
