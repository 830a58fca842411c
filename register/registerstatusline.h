#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The line under the register: a status text that clears itself after a
// while, and the hint on the keys that save, delete and memorize.
class RegisterStatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterStatusLine(QWidget *parent = nullptr);

    void showStatus(const QString &text, int milliseconds);

private:
    QLabel *m_statusLabel = nullptr;
    QLabel *m_hintLabel = nullptr;
    QTimer *m_statusTimer = nullptr;
};
