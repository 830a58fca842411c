#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>

class QWidget;

// Colours and fonts that follow the theme currently applied. Each reads
// the application palette, so a theme switch is seen at the next call.
bool isDarkPalette();
QColor accentColorForPalette();
QColor negativeAmountColor();
QColor positiveAmountColor();
QColor warningColor();
// Muted text (captions, memos, placeholders, secondary lines): one colour
// in both themes; the style sheet form is "color: <it>;".
QColor mutedTextColor();
QString mutedTextStyle();

// The button keeps the accent style when the accent colour changes.
void markAccentButton(QWidget *widget);

// The widget gets the role's font now and again after each font-scale change.
void applyFontRole(QWidget *widget, int role);
void applyFontRoleWithWeight(QWidget *widget, int role, int weight);

// The role font a widget should carry, with its italic and weight marks.
QFont roleFontForWidget(const QWidget *widget);

// The calendar glyph of the date fields, drawn from the icon font.
QIcon iconFontPixmap(const QPalette &palette);
