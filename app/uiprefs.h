#pragma once

#include "data/money.h"

#include <QColor>
#include <QFont>

// Process-wide interface values, set from the preferences at start-up.
namespace UiPrefs {
QFont &baseFont();
int fontScalePercent();
void setFontScalePercent(int percent);
QColor &accentColor();
// 1 (Monday) to 7 (Sunday); defaults to the system locale's first day.
int &weekStartDay();
} // namespace UiPrefs
