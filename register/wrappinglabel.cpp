#include "register/wrappinglabel.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

QTextOption wrappingOption(Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

int marginsWidth(const QMargins &margins)
{
    return margins.left() + margins.right();
}

int marginsHeight(const QMargins &margins)
{
    return margins.top() + margins.bottom();
}

} // namespace

WrappingLabel::WrappingLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize WrappingLabel::sizeHint() const
{
    ensurePolished();
    const QMargins margins = contentsMargins();
    const int lineHeight = fontMetrics().height() + marginsHeight(margins);
    if (text().isEmpty())
        return QSize(0, lineHeight);
    int widest = 0;
    for (const QString &line : text().split(QLatin1Char('\n')))
        widest = qMax(widest, fontMetrics().horizontalAdvance(line));
    // One pixel more, so that rounding never wraps the last word.
    return QSize(widest + 1 + marginsWidth(margins), qMax(lineHeight, heightForWidth(QWIDGETSIZE_MAX)));
}

QSize WrappingLabel::minimumSizeHint() const
{
    ensurePolished();
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 4 + marginsWidth(margins),
        fontMetrics().height() + marginsHeight(margins));
}

bool WrappingLabel::hasHeightForWidth() const
{
    return true;
}

int WrappingLabel::heightForWidth(int width) const
{
    ensurePolished();
    const QMargins margins = contentsMargins();
    const int textWidth = qMax(1, width - marginsWidth(margins));
    return qMax(fontMetrics().height(), textHeight(textWidth)) + marginsHeight(margins);
}

int WrappingLabel::textHeight(int textWidth) const
{
    QString shown = text();
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font());
    layout.setTextOption(wrappingOption(alignment()));
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(textWidth);
        height += line.height();
    }
    layout.endLayout();
    return int(std::ceil(height));
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int height = qMin(area.height(), textHeight(area.width()));
    QRect textArea(area.left(), area.top(), area.width(), height);
    if (alignment() & Qt::AlignVCenter)
        textArea.moveTop(area.top() + (area.height() - height) / 2);
    else if (alignment() & Qt::AlignBottom)
        textArea.moveBottom(area.bottom());
    QString shown = text();
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    painter.drawText(QRectF(textArea), shown, wrappingOption(alignment()));
}
