#include "ui/appstyle.h"

#include <QKeyEvent>

namespace {
bool s_altHeld = false;
}

AppStyle::AppStyle(QStyle *baseStyle)
    : QProxyStyle(baseStyle)
{
}

AppStyle::~AppStyle() = default;

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
