#pragma once

#include <QProxyStyle>

class QEvent;

// The application's style: the base style unchanged, except that mnemonic
// underlines show only while Alt is held.
class AppStyle : public QProxyStyle
{
public:
    explicit AppStyle(QStyle *baseStyle);
    ~AppStyle() override;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    static bool isAltHeld();
    // Follows Alt presses and releases; true when the held state changed,
    // so every widget must repaint its underlines.
    static bool noteKeyEvent(const QEvent *event);
};
