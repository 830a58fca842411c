#include "registerharness.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QDeadlineTimer>
#include <QSettings>
#include <QThread>
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

QStringList registerLines(const RegisterModel &model)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.isNewRow(row)) {
            lines.append(QStringLiteral("new row"));
            continue;
        }
        if (!model.isTransactionRow(row)) {
            lines.append(QStringLiteral("a row not read"));
            continue;
        }
        const RegisterRow &r = model.rowAt(row);
        const Transaction &t = r.transaction;
        lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                         .arg(t.id, t.date.toString(Qt::ISODate), t.payee)
                         .arg(t.amount)
                         .arg(r.runningBalance ? QString::number(*r.runningBalance) : QStringLiteral("-"),
                             t.cleared ? QStringLiteral("C") : QStringLiteral("U")));
    }
    lines.append(QStringLiteral("sums %1 %2")
                     .arg(model.clearedSum() ? QString::number(*model.clearedSum()) : QStringLiteral("-"),
                         model.unclearedSum() ? QString::number(*model.unclearedSum()) : QStringLiteral("-")));
    return lines;
}

bool addGeneratedRows(AppFixture &f, const QString &accountId, int count, int perDay, qint64 amountScale)
{
    return f.execSql(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %1) "
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, cleared, created_at, updated_at) "
            "SELECT '%2-' || substr('000000' || ((i * 7919) % %1), -6), '%2', "
            "date('2020-01-01', '+' || (i / %3) || ' days'), 'Payee ' || (i % 13), '', "
            "((i * 37) % 2001 - 1000) * %4, i % 3 = 0, "
            "date('2020-01-01', '+' || (i / %3) || ' days') || 'T09:00:00Z', '2020-01-01T09:00:00Z' FROM n")
            .arg(QString::number(count), accountId, QString::number(perDay), QString::number(amountScale)));
}

RegisterReader::Gate ReadGate::gate()
{
    return [this](const std::function<bool()> &stale) {
        m_arrived.release();
        // Ends on an event: the gate opens, or the read is let go. The
        // deadline only keeps a broken test from hanging.
        QDeadlineTimer deadline(60000);
        while (!m_open.load() && !deadline.hasExpired()) {
            if (stale()) {
                ++m_leftStale;
                return;
            }
            QThread::msleep(2);
        }
    };
}

bool ReadGate::waitForArrival()
{
    return m_arrived.tryAcquire(1, 120000);
}

void ReadGate::open()
{
    m_open.store(true);
}
