#pragma once

#include <QProxyStyle>

class QEvent;

// The application's style: the base style unchanged, except that mnemonic
// underlines show only while Alt is held and that check boxes and radio
// buttons have an outline that stands out from the window.
class AppStyle : public QProxyStyle
{
public:
    explicit AppStyle(QStyle *baseStyle);
    ~AppStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    static bool isAltHeld();
    // Follows Alt presses and releases; true when the held state changed,
    // so every widget must repaint its underlines.
    static bool noteKeyEvent(const QEvent *event);

    // The outline of an indicator on this palette: the base style's own
    // outline is darker than the window, which on a dark window made an
    // unchecked box all but vanish.
    static QColor indicatorOutline(const QPalette &palette);
};
