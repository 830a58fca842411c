#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>

#include <functional>

class QWidget;

// Colours and fonts that follow the theme currently applied. Each reads
// the application palette, so a theme switch is seen at the next call.
bool isDarkPalette();
QColor accentColorForPalette();
QColor negativeAmountColor();
QColor positiveAmountColor();
QColor warningColor();
// Income, and a rule that is due: rgb(0, 136, 0) on a light palette, which
// is too dark on a dark one, where the positive-amount colour stands in.
QColor successTextColor();
// Muted text (captions, memos, placeholders, secondary lines): one colour
// in both themes; the style sheet form is "color: <it>;".
QColor mutedTextColor();
QString mutedTextStyle();

// Colours a widget takes from the palette once go stale when the theme
// changes, and Qt leaves a widget with a style sheet (and everything inside
// it) on the palette it was polished with. After each change of the
// application palette every widget with a style sheet is polished anew, and
// the restyle functions given here run again, so a switched theme looks as
// a fresh start with it would.
void followPaletteChanges();
// Runs restyle now and after each palette change for as long as the widget
// lives; a later call for the same widget replaces the earlier function.
void followPalette(QWidget *widget, std::function<void()> restyle);
// The widget's style sheet, built now and rebuilt after each palette change.
void setThemedStyleSheet(QWidget *widget, std::function<QString()> build);
// "color: <dark>;" on a dark palette and "color: <light>;" otherwise,
// chosen again after each palette change.
void setThemedTextColor(QWidget *widget, const QColor &dark, const QColor &light);
// Text in the accent colour adjusted for the palette in force.
void setAccentTextColor(QWidget *widget);

// WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The button keeps the accent style when the accent colour changes.
void markAccentButton(QWidget *widget);

// The widget gets the role's font now and again after each font-scale change.
void applyFontRole(QWidget *widget, int role);
void applyFontRoleWithWeight(QWidget *widget, int role, int weight);

// The role font a widget should carry, with its italic and weight marks.
QFont roleFontForWidget(const QWidget *widget);

// The calendar glyph of the date fields, drawn from the icon font.
QIcon iconFontPixmap(const QPalette &palette);
