#include "app/uiprefs.h"

#include <QLocale>

#include <algorithm>

namespace UiPrefs {

namespace {
int s_fontScalePercent = 100;
}

QFont &baseFont()
{
    static QFont font;
    return font;
}

int fontScalePercent()
{
    return s_fontScalePercent;
}

void setFontScalePercent(int percent)
{
    s_fontScalePercent = std::clamp(percent, 70, 160);
}

QColor &accentColor()
{
    static QColor color(QStringLiteral("#00897B"));
    return color;
}

int &weekStartDay()
{
    static int day = int(QLocale::system().firstDayOfWeek());
    return day;
}

} // namespace UiPrefs
