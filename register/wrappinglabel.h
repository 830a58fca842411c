#pragma once

#include <QLabel>

// A plain-text label for messages and hints that may hold what the user
// typed: its text wraps at word boundaries, or inside a word too long for
// a line, so that no text makes it ask for more width than it is given.
// Without text it asks for no width at all.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappingLabel(QWidget *parent = nullptr);

    // The whole text on one line.
    QSize sizeHint() const override;
    // A few characters wide, one line high.
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textHeight(int textWidth) const;
};
