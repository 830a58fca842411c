#include "registerharness.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

RegisterHarness::RegisterHarness()
{
    recreateScreen();
}

RegisterHarness::~RegisterHarness()
{
    m_screen.reset();
    QApplication::processEvents();
}

void RegisterHarness::recreateScreen()
{
    m_screen.reset();
    m_screen = std::make_unique<RegisterScreen>(m_fixture.app());
    m_screen->resize(1400, 700);
}

void RegisterHarness::show(const QString &accountId)
{
    m_screen->show();
    m_screen->activateWindow();
    if (!QTest::qWaitForWindowActive(m_screen.get()))
        qWarning() << "the register window did not become active";
    m_screen->setAccount(accountId);
    m_screen->table()->setFocus();
    QApplication::processEvents();
}

QWidget *RegisterHarness::focused() const
{
    // Like real key presses: an open popup (a completion list) gets them.
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : m_screen->table();
}

void RegisterHarness::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focused(), Qt::Key(key), modifiers);
    QApplication::processEvents();
    QApplication::processEvents();
}

void RegisterHarness::type(const QString &text)
{
    for (const QChar c : text) {
        QTest::keyClicks(focused(), QString(c));
        QApplication::processEvents();
    }
}

void RegisterHarness::goTo(int row, int column)
{
    m_screen->table()->setCurrentIndex(m_screen->model()->index(row, column));
    m_screen->table()->setFocus();
    QApplication::processEvents();
}

QString RegisterHarness::statusText() const
{
    auto *label = m_screen->findChild<QLabel *>(QStringLiteral("statusLabel"));
    return label ? label->text() : QString();
}

QString RegisterHarness::cellText(int row, int column) const
{
    return m_screen->model()->index(row, column).data(Qt::DisplayRole).toString();
}

void RegisterHarness::typeNewRow(const Row &row)
{
    const QStringList fields = {row.date, QString(), row.payee, row.category, row.memo, row.payment, row.deposit};
    m_screen->selectNewRow();
    press(Qt::Key_Return); // opens the date editor
    for (int column = 0; column < fields.size(); ++column) {
        if (!fields[column].isEmpty()) {
            if (auto *edit = qobject_cast<QLineEdit *>(focused()))
                edit->selectAll();
            type(fields[column]);
            // A completion list opened: the first Return takes its choice.
            if (QApplication::activePopupWidget())
                press(Qt::Key_Return);
        }
        if (column + 1 < fields.size())
            press(Qt::Key_Return);
    }
    press(Qt::Key_Return, Qt::ControlModifier);
}

void clearRegisterSettings()
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    settings.remove(QStringLiteral("register"));
    settings.remove(QStringLiteral("reversedOpeningDismissed"));
    settings.sync();
}
