#pragma once

#include "registerfixture.h"

#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"

#include <QString>
#include <memory>

// A register screen on a fresh database, shown under the offscreen
// platform and driven with real key presses.
class RegisterHarness
{
public:
    RegisterHarness();
    ~RegisterHarness();

    AppFixture &fixture() { return m_fixture; }
    AppState *app() const { return m_fixture.app(); }
    FakePrompts &prompts() { return m_prompts; }
    RegisterScreen *screen() const { return m_screen.get(); }
    RegisterModel *model() const { return m_screen->model(); }
    RegisterTableView *table() const { return m_screen->table(); }

    // A new screen, as after a restart (same database and settings).
    void recreateScreen();
    void show(const QString &accountId);

    // Keys go to the focused widget (an open editor or the table); events
    // that close editors on a zero-delay timer are processed afterwards.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);
    // Makes the cell current (changing the row under edit as a click would).
    void goTo(int row, int column);
    // Where a key press goes: an open popup, else the focus widget.
    QWidget *focused() const;
    QString statusText() const;
    QString cellText(int row, int column) const;

    // Types a whole new row field by field with Return; empty texts are
    // stepped over. Saves with Ctrl+Return.
    struct Row
    {
        QString date;
        QString payee;
        QString category;
        QString memo;
        QString payment;
        QString deposit;
    };
    void typeNewRow(const Row &row);

private:
    AppFixture m_fixture;
    FakePrompts m_prompts;
    std::unique_ptr<RegisterScreen> m_screen;
};

// Clears the register's stored column layout and sort.
void clearRegisterSettings();
