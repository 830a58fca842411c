#include "ui/palettehelpers.h"

#include "app/uiprefs.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// One filter on the application object: Qt announces a new application
// palette to it before it walks the widgets.
class PaletteFollower : public QObject
{
public:
    static PaletteFollower *instance()
    {
        static QPointer<PaletteFollower> follower;
        if (!follower && qApp) {
            follower = new PaletteFollower(qApp);
            qApp->installEventFilter(follower);
        }
        return follower;
    }

    void follow(QWidget *widget, std::function<void()> restyle)
    {
        if (!m_restylers.contains(widget))
            connect(widget, &QObject::destroyed, this, [this, widget] { m_restylers.remove(widget); });
        m_restylers.insert(widget, std::move(restyle));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            restyleAll();
        return false;
    }

private:
    explicit PaletteFollower(QObject *parent)
        : QObject(parent)
    {
    }

    void restyleAll()
    {
        // A restyle function may create or delete widgets: run copies.
        const auto restylers = m_restylers;
        for (auto it = restylers.cbegin(); it != restylers.cend(); ++it) {
            if (m_restylers.contains(it.key()))
                it.value()();
        }
        const QList<QWidget *> widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets) {
            const QString sheet = widget->styleSheet();
            if (!sheet.isEmpty())
                widget->setStyleSheet(sheet);
        }
    }

    QHash<QWidget *, std::function<void()>> m_restylers;
};

double relativeLuminance(const QColor &color)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

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

QColor successTextColor()
{
    return isDarkPalette() ? positiveAmountColor() : QColor(0, 136, 0);
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

void followPaletteChanges()
{
    PaletteFollower::instance();
}

void followPalette(QWidget *widget, std::function<void()> restyle)
{
    if (!widget || !restyle)
        return;
    restyle();
    if (PaletteFollower *follower = PaletteFollower::instance())
        follower->follow(widget, std::move(restyle));
}

void setThemedStyleSheet(QWidget *widget, std::function<QString()> build)
{
    if (!widget || !build)
        return;
    followPalette(widget, [widget, build = std::move(build)] { widget->setStyleSheet(build()); });
}

void setThemedTextColor(QWidget *widget, const QColor &dark, const QColor &light)
{
    setThemedStyleSheet(widget, [dark, light] {
        return QStringLiteral("color: %1;").arg((isDarkPalette() ? dark : light).name(QColor::HexRgb));
    });
}

void setAccentTextColor(QWidget *widget)
{
    setThemedStyleSheet(
        widget, [] { return QStringLiteral("color: %1;").arg(accentColorForPalette().name(QColor::HexRgb)); });
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
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
