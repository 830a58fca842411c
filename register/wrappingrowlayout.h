#pragma once

#include <QHBoxLayout>

// A row that keeps its items side by side while they all fit at their
// preferred widths, the first one taking the room left over; otherwise the
// first item gets a line of its own, the whole width of the row, and the
// others follow on the lines below, kept to the right and moved on to a
// further line when they do not fit. Texts put in its items (a long name,
// a long message) make it taller, never wider: it asks for no more width
// than its widest item at that item's minimum. Stretches are left out.
class WrappingRowLayout : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit WrappingRowLayout(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int minimumHeightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;

private:
    QList<QLayoutItem *> shownItems() const;
    int gap() const;
    // Places the items inside `area` when `apply` is set; the height they take.
    int arrange(const QRect &area, bool apply) const;
};
