#pragma once

#include <QObject>

// Tells whether the desktop asks for a dark colour scheme and when that
// changes. The theme manager asks it while the "System" theme is in force;
// tests replace it with their own subclass.
class SystemColorScheme : public QObject
{
    Q_OBJECT

public:
    explicit SystemColorScheme(QObject *parent = nullptr);
    ~SystemColorScheme() override;

    // False when the desktop asks for a light scheme or cannot tell.
    virtual bool isDark() const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_changePending = false;
};
