#include "ui/appstyle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

namespace {
bool s_altHeld = false;
}

AppStyle::AppStyle(QStyle *baseStyle)
    : QProxyStyle(baseStyle)
{
}

AppStyle::~AppStyle() = default;

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
        return;
    if (!option)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(indicatorOutline(option->palette), 1));
    if (element == PE_IndicatorCheckBox) {
        painter->translate(0.5, 0.5);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    } else {
        painter->drawEllipse(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter->restore();
}

QColor AppStyle::indicatorOutline(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    // Half way and a little more towards the text: at least 3:1 against
    // the window in both themes.
    const double share = 0.55;
    return QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) * share,
                            window.greenF() + (text.greenF() - window.greenF()) * share,
                            window.blueF() + (text.blueF() - window.blueF()) * share);
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                        QStyleHintReturn *returnData) const
{
    if (hint == QStyle::SH_UnderlineShortcut)
        return s_altHeld ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

bool AppStyle::isAltHeld()
{
    return s_altHeld;
}

bool AppStyle::noteKeyEvent(const QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return false;
    if (static_cast<const QKeyEvent *>(event)->key() != Qt::Key_Alt || s_altHeld == press)
        return false;
    s_altHeld = press;
    return true;
}
