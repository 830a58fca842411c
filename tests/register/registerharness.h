#pragma once

#include "registerfixture.h"

#include "register/registermodel.h"
#include "register/registerreader.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"

#include <QSemaphore>
#include <QString>

#include <atomic>
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
    // Closes the screen, as when the window goes away.
    void closeScreen() { m_screen.reset(); }
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

// Every listed row in display order with its balance ("a row not read" for
// rows still being read), then the sums.
QStringList registerLines(const RegisterModel &model);

// Rows written straight into the table: `count` rows from 2020-01-01 on,
// `perDay` a day, every row of a day stored in the same second, so rows
// that tie on date and creation time list in the order they were stored.
bool addGeneratedRows(AppFixture &f, const QString &accountId, int count, int perDay, qint64 amountScale);

// Holds a RegisterReader's threads before they read, until released or
// until their read is let go. Declared before what owns the reader, so it
// outlives the threads.
class ReadGate
{
public:
    RegisterReader::Gate gate();
    // Waits until a thread has come to the gate (false after 120 s).
    bool waitForArrival();
    // Lets every held thread and every later one read.
    void open();
    // How many threads left the gate because their read was let go.
    int leftStale() const { return m_leftStale.load(); }

private:
    QSemaphore m_arrived;
    std::atomic<bool> m_open{false};
    std::atomic<int> m_leftStale{0};
};
