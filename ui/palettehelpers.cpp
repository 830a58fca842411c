#include "ui/palettehelpers.h"

#include "app/uiprefs.h"
#include "ui/thememanager.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {

QColor forPalette(const char *dark, const char *light)
{
    return QColor(isDarkPalette() ? dark : light);
}

} // namespace

bool isDarkPalette()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor accentColorForPalette()
{
    const QColor accent = UiPrefs::accentColor();
    return isDarkPalette() ? accent.lighter(135) : accent;
}

QColor negativeAmountColor()
{
    return forPalette("#FF8A80", "#C62828");
}

QColor positiveAmountColor()
{
    return forPalette("#66BB6A", "#2E7D32");
}

QColor warningColor()
{
    return forPalette("#FFA726", "#E65100");
}

QColor mutedTextColor()
{
    return QColor(0x6E, 0x8A, 0x7E);
}

QString mutedTextStyle()
{
    return QStringLiteral("color: %1;").arg(mutedTextColor().name());
}

void markAccentButton(QWidget *widget)
{
    if (!widget)
        return;
    widget->setProperty("lumoAccentButton", true);
    widget->setStyleSheet(ThemeManager::accentButtonStyleSheet());
}

void applyFontRole(QWidget *widget, int role)
{
    if (!widget)
        return;
    widget->setProperty("lumoFontRole", role);
    widget->setFont(ThemeManager::fontForRole(role));
}

void applyFontRoleWithWeight(QWidget *widget, int role, int weight)
{
    if (!widget)
        return;
    widget->setProperty("lumoFontRole", role);
    widget->setProperty("lumoFontWeight", weight);
    widget->setFont(roleFontForWidget(widget));
}

QFont roleFontForWidget(const QWidget *widget)
{
    QFont font = ThemeManager::fontForRole(widget->property("lumoFontRole").toInt());
    if (widget->property("lumoFontItalic").toBool())
        font.setItalic(true);
    const QVariant weight = widget->property("lumoFontWeight");
    if (weight.isValid())
        font.setWeight(QFont::Weight(weight.toInt()));
    return font;
}

QIcon iconFontPixmap(const QPalette &palette)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(palette.color(palette.currentColorGroup(), QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}
