#include "account/accountscreen.h"
#include "account/authclient.h"
#include "account/client.h"
#include "onlinefixture.h"
#include "support/testmain.h"
#include "../register/registerfixture.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace LumoAccount;

namespace {

QJsonObject member(const QString &accountId, const QString &name, const QString &email,
                   const QString &role = QStringLiteral("member"))
{
    return QJsonObject{{QStringLiteral("account_id"), accountId},
                       {QStringLiteral("display_name"), name},
                       {QStringLiteral("email"), email},
                       {QStringLiteral("role"), role}};
}

QJsonObject homeGroup()
{
    return QJsonObject{
        {QStringLiteral("id"), QStringLiteral("g-1")},
        {QStringLiteral("name"), QStringLiteral("Home")},
        {QStringLiteral("max_seats"), 5},
        {QStringLiteral("members"),
         QJsonArray{member(QStringLiteral("acc-ann"), QStringLiteral("Ann Lee"), QStringLiteral("ann@example.test"),
                           QStringLiteral("owner")),
                    member(QStringLiteral("acc-bob"), QStringLiteral("Bob Stone"), QStringLiteral("bob@example.test")),
                    member(QStringLiteral("acc-cy"), QString(), QStringLiteral("cy@example.test"))}},
        {QStringLiteral("pending_invitations"),
         QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("inv-1")},
                                {QStringLiteral("invite_code"), QStringLiteral("JOIN1")}},
                    QJsonObject{{QStringLiteral("id"), QStringLiteral("inv-2")},
                                {QStringLiteral("invited_email"), QStringLiteral("dee@example.test")},
                                {QStringLiteral("invite_code"), QStringLiteral("JOIN2")}}}}};
}

QString stamp(qint64 secondsAgo)
{
    return QDateTime::currentDateTimeUtc().addSecs(-secondsAgo).toString(Qt::ISODate);
}

// A dialog step that types the text into an input prompt and accepts it,
// recording the prompt's label and initial text.
struct TextPrompt
{
    QString label;
    QString initial;
};

FakePrompts::DialogStep typeText(const QString &text, QList<TextPrompt> *seen = nullptr)
{
    return [text, seen](QDialog *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input)
            return int(QDialog::Rejected);
        if (seen)
            seen->append({input->labelText(), input->textValue()});
        input->setTextValue(text);
        return int(QDialog::Accepted);
    };
}

FakePrompts::DialogStep cancelText(QList<TextPrompt> *seen = nullptr)
{
    return [seen](QDialog *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog); input && seen)
            seen->append({input->labelText(), input->textValue()});
        return int(QDialog::Rejected);
    };
}

// Answers a message box with the button and records its text and format.
FakePrompts::DialogStep answerBox(QMessageBox::StandardButton button, QStringList *texts)
{
    return [button, texts](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box)
            return int(QDialog::Rejected);
        texts->append(box->windowTitle() + QLatin1Char('|') + box->text());
        if (box->textFormat() != Qt::PlainText)
            texts->append(QStringLiteral("not plain text"));
        return int(button);
    };
}

} // namespace

class AccountScreenTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<AccountScreen> screen;

    // Signs in with the given role in the token's claims and builds the screen.
    void openScreen(const QString &role = QString())
    {
        if (!role.isEmpty())
            f->services->lumiClaims = QJsonObject{{QStringLiteral("group_id"), QStringLiteral("g-1")},
                                                  {QStringLiteral("role"), role}};
        f->signIn();
        screen = std::make_unique<AccountScreen>(f->client.get());
    }

    QWidget *page(AccountScreen::Tab tab) const
    {
        return screen->findChild<QStackedWidget *>()->widget(tab);
    }

    // Texts of the labels a page shows now (replaced contents are hidden).
    QStringList labels(AccountScreen::Tab tab) const
    {
        QStringList texts;
        for (QLabel *label : page(tab)->findChildren<QLabel *>()) {
            if (label->isVisibleTo(page(tab)))
                texts << label->text();
        }
        return texts;
    }

    QList<QPushButton *> buttons(AccountScreen::Tab tab, const QString &text) const
    {
        QList<QPushButton *> found;
        for (QPushButton *button : page(tab)->findChildren<QPushButton *>()) {
            if (button->isVisibleTo(page(tab)) && button->text() == text)
                found << button;
        }
        return found;
    }

    QLabel *labelWithText(AccountScreen::Tab tab, const QString &text) const
    {
        for (QLabel *label : page(tab)->findChildren<QLabel *>()) {
            if (label->isVisibleTo(page(tab)) && label->text() == text)
                return label;
        }
        return nullptr;
    }

    QString status() const { return screen->findChild<QLabel *>(QStringLiteral("statusLine"))->text(); }

    // Waits until the page shows the text (a section title, a name).
    bool waitFor(AccountScreen::Tab tab, const QString &text)
    {
        return QTest::qWaitFor([&] { return labelWithText(tab, text) != nullptr; });
    }

    int requests(const char *method, const QString &path) const
    {
        return f->server.count(QLatin1String(method), path);
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        f->makeClient();
        prompts = std::make_unique<FakePrompts>();
    }

    void cleanup()
    {
        screen.reset();
        prompts.reset();
        f.reset();
    }

    void pagesAreFilledFromTheServices()
    {
        f->services->group = homeGroup();
        f->services->devices = QJsonArray{
            QJsonObject{{QStringLiteral("id"), QStringLiteral("dev-1")},
                        {QStringLiteral("device_name"), QStringLiteral("Desk")},
                        {QStringLiteral("platform"), QStringLiteral("Linux")},
                        {QStringLiteral("app_version"), QStringLiteral("1.1.7")},
                        {QStringLiteral("last_sync_at"), stamp(7200)}},
            QJsonObject{{QStringLiteral("id"), QStringLiteral("dev-2")},
                        {QStringLiteral("platform"), QStringLiteral("iOS")}},
            QJsonObject{{QStringLiteral("id"), QStringLiteral("dev-3")},
                        {QStringLiteral("device_name"), QStringLiteral("Old")}}};
        const QString agent60(60, QLatin1Char('a'));
        const QString agent61 = QString(60, QLatin1Char('b')) + QLatin1Char('c');
        f->services->sessions = QJsonArray{
            QJsonObject{{QStringLiteral("id"), QStringLiteral("s-1")},
                        {QStringLiteral("user_agent"), agent60},
                        {QStringLiteral("ip_address"), QStringLiteral("10.0.0.1")},
                        {QStringLiteral("is_current"), true}},
            QJsonObject{{QStringLiteral("id"), QStringLiteral("s-2")},
                        {QStringLiteral("user_agent"), agent61},
                        {QStringLiteral("last_active_at"), stamp(3 * 86400)}},
            QJsonObject{{QStringLiteral("id"), QStringLiteral("s-3")}}};
        openScreen(QStringLiteral("owner"));
        screen->refresh();

        QVERIFY(waitFor(AccountScreen::Profile, QStringLiteral("Ann Lee")));
        QVERIFY(labels(AccountScreen::Profile).contains(QStringLiteral("ann@example.test")));

        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Home")));
        const QStringList group = labels(AccountScreen::Group);
        QVERIFY(group.contains(QStringLiteral("3 of 5 seats used")));
        QCOMPARE(group.count(QStringLiteral("cy@example.test")), 1); // no name: the e-mail once
        QCOMPARE(group.count(QStringLiteral("Owner")), 1);
        QVERIFY(group.contains(QStringLiteral("Invite code: JOIN1")));
        QVERIFY(group.contains(QStringLiteral("dee@example.test")));
        QVERIFY(!group.contains(QStringLiteral("Invite code: JOIN2")));
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Remove")).size(), 2);
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Revoke")).size(), 2);
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Generate Invite Code")).size(), 1);
        QVERIFY(buttons(AccountScreen::Group, QStringLiteral("Leave Group")).isEmpty());

        QVERIFY(waitFor(AccountScreen::Devices, QStringLiteral("Desk")));
        const QStringList devices = labels(AccountScreen::Devices);
        QVERIFY(devices.contains(QStringLiteral("Linux  \u00B7  v1.1.7")));
        QVERIFY(devices.contains(QStringLiteral("2h ago")));
        QVERIFY(devices.contains(QStringLiteral("Unknown Device")));
        QVERIFY(devices.contains(QStringLiteral("iOS")));
        QVERIFY(devices.contains(QStringLiteral("Unknown")));
        QCOMPARE(buttons(AccountScreen::Devices, QStringLiteral("Remove")).size(), 3);

        QVERIFY(waitFor(AccountScreen::Security, QStringLiteral("Active Sessions")));
        const QStringList sessions = labels(AccountScreen::Security);
        QVERIFY(sessions.contains(agent60));
        QVERIFY(sessions.contains(agent61.left(60) + QStringLiteral("...")));
        QVERIFY(sessions.contains(QStringLiteral("Unknown client")));
        QVERIFY(sessions.contains(QStringLiteral("This session  \u00B7  10.0.0.1")));
        QVERIFY(sessions.contains(QStringLiteral("3d ago")));
        QVERIFY(sessions.contains(QStringLiteral("Current")));
        QCOMPARE(buttons(AccountScreen::Security, QStringLiteral("Revoke")).size(), 2);
    }

    void emptyAnswersShowTheirEmptyViews()
    {
        f->services->devices = QJsonArray();
        f->services->sessions = QJsonArray();
        openScreen();
        screen->refresh();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("No Group")));
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Join with Invite Code")).size(), 1);
        QVERIFY(waitFor(AccountScreen::Devices, QStringLiteral("No devices registered.")));
        QVERIFY(waitFor(AccountScreen::Security, QStringLiteral("No active sessions.")));
    }

    void failedFetchesAreShownAsFailures_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("emptyView"); // what a failure must not look like
        QTest::addColumn<bool>("truncated");
        for (bool truncated : {false, true}) {
            const char *how = truncated ? "truncated 200" : "500";
            QTest::addRow("group, %s", how) << int(AccountScreen::Group) << "/account/v1/group" << "No Group" << truncated;
            QTest::addRow("devices, %s", how) << int(AccountScreen::Devices) << "/account/v1/devices"
                                              << "No devices registered." << truncated;
            QTest::addRow("sessions, %s", how) << int(AccountScreen::Security)
                                               << "/auth/api/v1/realms/lumora/users/me/sessions"
                                               << "No active sessions." << truncated;
        }
    }

    void failedFetchesAreShownAsFailures()
    {
        QFETCH(int, tab);
        QFETCH(QString, path);
        QFETCH(QString, emptyView);
        QFETCH(bool, truncated);
        f->services->devices = QJsonArray();
        f->services->sessions = QJsonArray();
        f->server.script(QStringLiteral("GET"), path,
                         truncated ? FakeResponse::truncated(200, QJsonObject{{QStringLiteral("devices"), QJsonArray()},
                                                                              {QStringLiteral("sessions"), QJsonArray()}})
                                 : FakeResponse::json(500, QJsonObject{{QStringLiteral("error"), QStringLiteral("x")}}));
        openScreen();
        screen->refresh();
        const auto shown = AccountScreen::Tab(tab);
        QVERIFY(QTest::qWaitFor([&] { return page(shown)->findChild<QLabel *>(QStringLiteral("fetchError")); }));
        QVERIFY(labelWithText(shown, emptyView) == nullptr);
        QVERIFY(buttons(shown, QStringLiteral("Join with Invite Code")).isEmpty());

        // The next fetch that succeeds replaces the error line.
        screen->refresh();
        QVERIFY(waitFor(shown, emptyView));
        for (QLabel *label : page(shown)->findChildren<QLabel *>(QStringLiteral("fetchError")))
            QVERIFY(!label->isVisibleTo(page(shown)));
    }

    void failedProfileFetchIsReported()
    {
        f->server.script(QStringLiteral("GET"), f->services->authApiPath(QStringLiteral("/users/me")),
                         FakeResponse::json(503, QJsonObject()));
        openScreen();
        screen->refreshProfile();
        QTRY_COMPARE(status(), QStringLiteral("Could not load your profile."));
        QVERIFY(labelWithText(AccountScreen::Profile, QStringLiteral("(not set)")) == nullptr);
    }

    void ownerOnlyControls_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("owner");
        QTest::newRow("owner") << "owner" << true;
        QTest::newRow("member") << "member" << false;
        // Listed as owner in the group, but the token says nothing.
        QTest::newRow("no claims") << "" << false;
        QTest::newRow("owner in other case") << "Owner" << false;
    }

    void ownerOnlyControls()
    {
        QFETCH(QString, role);
        QFETCH(bool, owner);
        f->services->group = homeGroup();
        openScreen(role);
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Home")));
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Remove")).size(), owner ? 2 : 0);
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Leave Group")).size(), owner ? 0 : 1);
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Invite by Email")).size(), owner ? 1 : 0);
        QCOMPARE(labelWithText(AccountScreen::Group, QStringLiteral("Pending Invitations")) != nullptr, owner);

        const QList<QPushButton *> deleteButton = buttons(AccountScreen::Privacy, QStringLiteral("Delete Account"));
        QCOMPARE(deleteButton.size(), 1);
        QCOMPARE(deleteButton.first()->isEnabled(), !owner);
        QCOMPARE(page(AccountScreen::Privacy)->findChild<QLabel *>(QStringLiteral("ownerNote")) != nullptr, owner);
    }

    void ownerWithoutInvitationsGoesOnToInviting()
    {
        QJsonObject group = homeGroup();
        group.insert(QStringLiteral("pending_invitations"), QJsonArray());
        group.insert(QStringLiteral("members"), QJsonArray());
        f->services->group = group;
        openScreen(QStringLiteral("owner"));
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Invite Members")));
        QVERIFY(labels(AccountScreen::Group).contains(QStringLiteral("0 of 5 seats used")));
        QVERIFY(labelWithText(AccountScreen::Group, QStringLiteral("Pending Invitations")) == nullptr);
        const QList<QFrame *> frames = page(AccountScreen::Group)->findChildren<QFrame *>();
        QCOMPARE(std::count_if(frames.begin(), frames.end(), [this](QFrame *frame) {
                     return frame->frameShape() == QFrame::HLine && frame->isVisibleTo(page(AccountScreen::Group));
                 }),
                 1);
    }

    void actionsReportTheServicesAnswer_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("gone"); // label that the re-fetch no longer shows
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("message");
        struct Action
        {
            const char *name;
            AccountScreen::Tab tab;
            const char *role;
            const char *button;
            bool asks;
            const char *method;
            const char *path;
            const char *gone;
            const char *success;
            const char *failure;
        };
        const Action actions[] = {
            {"remove member", AccountScreen::Group, "owner", "Remove", true, "DELETE",
             "/account/v1/group/members/acc-bob", "Bob Stone", "Bob Stone removed.", "Failed to remove Bob Stone."},
            {"revoke invitation", AccountScreen::Group, "owner", "Revoke", false, "DELETE",
             "/account/v1/group/invitations/inv-1", "Invite code: JOIN1", "Invitation revoked.",
             "Failed to revoke invitation."},
            {"leave group", AccountScreen::Group, "member", "Leave Group", true, "POST",
             "/account/v1/group/leave", "Home", "Left group.", "Failed to leave group."},
            {"remove device", AccountScreen::Devices, "", "Remove", true, "DELETE", "/account/v1/devices/dev-1",
             "Desk", "Device removed.", "Failed to remove device."},
            {"revoke session", AccountScreen::Security, "", "Revoke", false, "DELETE",
             "/auth/api/v1/realms/lumora/users/me/sessions/s-2", "Phone", "Session revoked.",
             "Failed to revoke session."},
        };
        for (const Action &action : actions) {
            for (bool fails : {false, true}) {
                QTest::addRow("%s, %s", action.name, fails ? "refused" : "done")
                    << int(action.tab) << action.role << action.button << action.asks << action.method
                    << action.path << action.gone << fails << (fails ? action.failure : action.success);
            }
        }
    }

    void actionsReportTheServicesAnswer()
    {
        QFETCH(int, tab);
        QFETCH(QString, role);
        QFETCH(QString, button);
        QFETCH(bool, asks);
        QFETCH(QString, method);
        QFETCH(QString, path);
        QFETCH(QString, gone);
        QFETCH(bool, fails);
        QFETCH(QString, message);
        f->services->group = homeGroup();
        f->services->devices = QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("dev-1")},
                                                      {QStringLiteral("device_name"), QStringLiteral("Desk")}}};
        f->services->sessions = QJsonArray{
            QJsonObject{{QStringLiteral("id"), QStringLiteral("s-1")}, {QStringLiteral("is_current"), true}},
            QJsonObject{{QStringLiteral("id"), QStringLiteral("s-2")}, {QStringLiteral("user_agent"), QStringLiteral("Phone")}}};
        if (fails)
            f->server.script(method, path, FakeResponse::json(500, QJsonObject()));
        openScreen(role);
        screen->refresh();
        const auto shown = AccountScreen::Tab(tab);
        QVERIFY(waitFor(shown, gone));
        QPointer<QLabel> before = labelWithText(shown, gone);

        QStringList questions;
        if (asks)
            prompts->steps << answerBox(QMessageBox::Yes, &questions);
        const QList<QPushButton *> found = buttons(shown, button);
        QVERIFY(!found.isEmpty());
        found.first()->click();
        QCOMPARE(questions.size(), asks ? 1 : 0);
        QTRY_COMPARE(status(), message);
        QCOMPARE(requests(method.toLatin1().constData(), path), 1);
        // The page is fetched again and shows what the service now holds.
        QTRY_VERIFY(!before || !before->isVisibleTo(page(shown)));
        QCOMPARE(labelWithText(shown, gone) != nullptr, fails);
    }

    void answeringNoChangesNothing()
    {
        f->services->group = homeGroup();
        openScreen(QStringLiteral("member"));
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Home")));
        QStringList questions;
        prompts->steps << answerBox(QMessageBox::No, &questions);
        buttons(AccountScreen::Group, QStringLiteral("Leave Group")).first()->click();
        QCOMPARE(questions, QStringList{QStringLiteral("Leave Group|Leave this group? You will lose access to shared data.")});
        QTest::qWait(100);
        QCOMPARE(requests("POST", f->services->accountPath(QStringLiteral("/group/leave"))), 0);
        QVERIFY(status().isEmpty());
    }

    void joinInviteAndGenerate()
    {
        openScreen(QStringLiteral("owner"));
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("No Group")));

        prompts->steps << typeText(QStringLiteral("WRONG"));
        buttons(AccountScreen::Group, QStringLiteral("Join with Invite Code")).first()->click();
        QTRY_COMPARE(status(), QStringLiteral("Invalid or expired invite code."));

        f->services->group = homeGroup();
        prompts->steps << typeText(QStringLiteral("  JOIN1 "));
        buttons(AccountScreen::Group, QStringLiteral("Join with Invite Code")).first()->click();
        QTRY_COMPARE(status(), QStringLiteral("Joined group."));
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Home")));
        QCOMPARE(requests("POST", f->services->accountPath(QStringLiteral("/group/join/JOIN1"))), 1);

        prompts->steps << typeText(QStringLiteral(" eve@example.test "));
        buttons(AccountScreen::Group, QStringLiteral("Invite by Email")).first()->click();
        QTRY_COMPARE(status(), QStringLiteral("Invitation sent."));
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("eve@example.test")));

        QStringList boxes;
        prompts->steps << answerBox(QMessageBox::Ok, &boxes);
        buttons(AccountScreen::Group, QStringLiteral("Generate Invite Code")).first()->click();
        QTRY_COMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first(), QStringLiteral("Invite Code|Share this code with the person you want to invite:\n\nCODE4"));
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Invite code: CODE4")));

        const QString invitePath = f->services->accountPath(QStringLiteral("/group/invite"));
        f->server.script(QStringLiteral("POST"), invitePath, FakeResponse::json(500, QJsonObject()));
        buttons(AccountScreen::Group, QStringLiteral("Generate Invite Code")).first()->click();
        QTRY_COMPARE(status(), QStringLiteral("Failed to generate code."));
        f->server.script(QStringLiteral("POST"), invitePath, FakeResponse::json(500, QJsonObject()));
        prompts->steps << typeText(QStringLiteral("fay@example.test"));
        buttons(AccountScreen::Group, QStringLiteral("Invite by Email")).first()->click();
        QTRY_COMPARE(status(), QStringLiteral("Failed to send invitation."));

        // Blank answers send nothing.
        const int before = f->server.requests().size();
        prompts->steps << typeText(QStringLiteral("   "));
        buttons(AccountScreen::Group, QStringLiteral("Invite by Email")).first()->click();
        QTest::qWait(50);
        QCOMPARE(f->server.requests().size(), before);
    }

    // The service acts and the connection ends before its answer: one click
    // made one request, and the screen says it failed.
    void lostAnswersShowAsFailures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed"); // empty: the button asks nothing
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("generate invite code") << "Generate Invite Code" << "" << "/group/invite"
                                              << "Failed to generate code.";
        QTest::newRow("invite by e-mail") << "Invite by Email" << "eve@example.test" << "/group/invite"
                                          << "Failed to send invitation.";
        QTest::newRow("join") << "Join with Invite Code" << "JOIN1" << "/group/join/JOIN1"
                              << "Invalid or expired invite code.";
    }

    void lostAnswersShowAsFailures()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, path);
        QFETCH(QString, message);
        const bool joining = path.startsWith(QLatin1String("/group/join/"));
        if (!joining)
            f->services->group = homeGroup();
        openScreen(QStringLiteral("owner"));
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, joining ? QStringLiteral("No Group") : QStringLiteral("Home")));
        if (joining)
            f->services->group = homeGroup();
        const QString servicePath = f->services->accountPath(path);
        f->server.scriptAfterHandling(QStringLiteral("POST"), servicePath, FakeResponse::dropped());

        QStringList boxes;
        if (!typed.isEmpty())
            prompts->steps << typeText(typed);
        prompts->steps << answerBox(QMessageBox::Ok, &boxes);
        buttons(AccountScreen::Group, button).first()->click();
        QTRY_COMPARE(status(), message);
        QVERIFY(boxes.isEmpty());
        QCOMPARE(requests("POST", servicePath), 1);
        if (!joining)
            QCOMPARE(f->services->group.value(QLatin1String("pending_invitations")).toArray().size(), 3);
    }

    void dataIsShownLiterally()
    {
        const QString name = QStringLiteral("<b>Bob</b> & <i>Co</i>");
        const QString device = QStringLiteral("<img src=x>&amp; Laptop");
        QJsonObject group = homeGroup();
        group.insert(QStringLiteral("name"), QStringLiteral("<h1>Home</h1> & Co"));
        group.insert(QStringLiteral("members"),
                     QJsonArray{member(QStringLiteral("acc-bob"), name, QStringLiteral("<bob>@example.test"))});
        f->services->group = group;
        f->services->devices = QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("dev-1")},
                                                      {QStringLiteral("device_name"), device},
                                                      {QStringLiteral("platform"), QStringLiteral("<u>Linux</u>")}}};
        f->services->user.insert(QStringLiteral("display_name"), QStringLiteral("<s>Ann</s> & Lee"));
        f->services->sessions = QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("s-2")},
                                                       {QStringLiteral("user_agent"), QStringLiteral("<b>Agent</b>")}}};
        openScreen(QStringLiteral("owner"));
        screen->refresh();

        const QList<QPair<AccountScreen::Tab, QString>> expected{
            {AccountScreen::Profile, QStringLiteral("<s>Ann</s> & Lee")},
            {AccountScreen::Group, QStringLiteral("<h1>Home</h1> & Co")},
            {AccountScreen::Group, name},
            {AccountScreen::Group, QStringLiteral("<bob>@example.test")},
            {AccountScreen::Devices, device},
            {AccountScreen::Devices, QStringLiteral("<u>Linux</u>")},
            {AccountScreen::Security, QStringLiteral("<b>Agent</b>")},
        };
        for (const auto &[tab, text] : expected) {
            QVERIFY2(waitFor(tab, text), qPrintable(text));
            QCOMPARE(labelWithText(tab, text)->textFormat(), Qt::PlainText);
        }

        QStringList questions;
        prompts->steps << answerBox(QMessageBox::Yes, &questions);
        buttons(AccountScreen::Group, QStringLiteral("Remove")).first()->click();
        QCOMPARE(questions, QStringList{QStringLiteral("Remove Member|Remove %1 from the group?").arg(name)});
        QTRY_COMPARE(status(), name + QStringLiteral(" removed."));
        QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("statusLine"))->textFormat(), Qt::PlainText);

        prompts->steps << answerBox(QMessageBox::No, &questions);
        buttons(AccountScreen::Devices, QStringLiteral("Remove")).first()->click();
        QCOMPARE(questions.last(), QStringLiteral("Remove Device|Remove %1?").arg(device));
    }

    void editDisplayName_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("initial");
        QTest::newRow("with a name") << "Ann Lee" << "Ann Lee" << "Ann Lee";
        QTest::newRow("without a name") << "" << "(not set)" << "";
    }

    void editDisplayName()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, initial);
        f->services->user.insert(QStringLiteral("display_name"), stored);
        openScreen();
        screen->refreshProfile();
        QVERIFY(waitFor(AccountScreen::Profile, shown));
        QPushButton *edit = buttons(AccountScreen::Profile, QStringLiteral("Edit Display Name")).first();

        // Accepting the prompt unchanged never saves the placeholder as a name.
        QList<TextPrompt> seen;
        prompts->steps << [&seen](QDialog *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            seen.append({input->labelText(), input->textValue()});
            return int(QDialog::Accepted);
        };
        edit->click();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().label, QStringLiteral("Display name:"));
        QCOMPARE(seen.first().initial, initial);
        QTRY_VERIFY(edit->isEnabled());
        QTest::qWait(50);
        QCOMPARE(f->server.count(QStringLiteral("PATCH"), f->services->authApiPath(QStringLiteral("/users/me"))),
                 stored.isEmpty() ? 0 : 1);
        QVERIFY(labelWithText(AccountScreen::Profile, shown));

        prompts->steps << typeText(QStringLiteral("  Bea Ray  "));
        edit->click();
        QVERIFY(!edit->isEnabled());
        QTRY_VERIFY(labelWithText(AccountScreen::Profile, QStringLiteral("Bea Ray")));
        QVERIFY(edit->isEnabled());
        QCOMPARE(status(), QStringLiteral("Display name updated."));
        QCOMPARE(f->services->user.value(QLatin1String("display_name")).toString(), QStringLiteral("Bea Ray"));

        prompts->steps << typeText(QStringLiteral("Cat"));
        f->server.script(QStringLiteral("PATCH"), f->services->authApiPath(QStringLiteral("/users/me")),
                         FakeResponse::json(500, QJsonObject()));
        edit->click();
        QTRY_COMPARE(status(), QStringLiteral("Failed to update profile."));
        QVERIFY(edit->isEnabled());
        QVERIFY(labelWithText(AccountScreen::Profile, QStringLiteral("Bea Ray")));
    }

    void changePassword_data()
    {
        QTest::addColumn<QStringList>("answers"); // "<cancel>" cancels that prompt
        QTest::addColumn<int>("prompts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString old = QStringLiteral("old-secret");
        QTest::newRow("changed") << QStringList{old, "12345678", "12345678"} << 3 << "Password changed." << "12345678";
        QTest::newRow("seven characters") << QStringList{old, "1234567"} << 2
                                          << "Password must be at least 8 characters." << old;
        QTest::newRow("mismatch") << QStringList{old, "12345678", "12345679"} << 3 << "Passwords do not match." << old;
        QTest::newRow("confirmation cancelled") << QStringList{old, "12345678", "<cancel>"} << 3
                                                << "Passwords do not match." << old;
        QTest::newRow("new cancelled") << QStringList{old, "<cancel>"} << 2 << "" << old;
        QTest::newRow("current empty") << QStringList{""} << 1 << "" << old;
        QTest::newRow("wrong current") << QStringList{"guess", "12345678", "12345678"} << 3
                                       << "Failed to change password." << old;
        QTest::newRow("blanks kept") << QStringList{old, " 1234567", " 1234567"} << 3 << "Password changed." << " 1234567";
    }

    void changePassword()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, prompts);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        openScreen();
        QList<TextPrompt> seen;
        for (const QString &answer : answers)
            this->prompts->steps << (answer == QLatin1String("<cancel>") ? cancelText(&seen) : typeText(answer, &seen));
        QPushButton *button = buttons(AccountScreen::Profile, QStringLiteral("Change Password")).first();
        button->click();
        QCOMPARE(seen.size(), prompts);
        if (message.isEmpty()) {
            QTest::qWait(50);
            QVERIFY(status().isEmpty());
        } else {
            QTRY_COMPARE(status(), message);
        }
        QVERIFY(button->isEnabled());
        // The new password works exactly as typed.
        const QString path = f->services->authApiPath(QStringLiteral("/users/me/password"));
        f->server.clearRequests();
        bool ok = false;
        bool done = false;
        f->client->authClient()->changePassword(stored, QStringLiteral("probe-pass"), [&](bool result) {
            ok = result;
            done = true;
        });
        QTRY_VERIFY(done);
        QVERIFY(ok);
        QCOMPARE(f->server.count(QStringLiteral("POST"), path), 1);
    }

    void deleteAccount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("serviceFails");
        QTest::addColumn<bool>("requested");
        QTest::addColumn<bool>("signedOut");
        QTest::newRow("confirmed") << "DELETE" << false << true << true;
        QTest::newRow("lower case") << "delete" << false << false << false;
        QTest::newRow("trailing blank") << "DELETE " << false << false << false;
        QTest::newRow("refused") << "DELETE" << true << true << false;
    }

    void deleteAccount()
    {
        QFETCH(QString, typed);
        QFETCH(bool, serviceFails);
        QFETCH(bool, requested);
        QFETCH(bool, signedOut);
        const QString path = f->services->accountPath(QStringLiteral("/profile"));
        if (serviceFails)
            f->server.script(QStringLiteral("DELETE"), path, FakeResponse::json(500, QJsonObject()));
        openScreen(QStringLiteral("member"));
        QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
        QStringList boxes;
        int logoutsWhileBoxOpen = -1;
        prompts->steps << typeText(typed)
                       << [&](QDialog *dialog) {
                              logoutsWhileBoxOpen = int(logout.count());
                              return answerBox(QMessageBox::Ok, &boxes)(dialog);
                          };
        buttons(AccountScreen::Privacy, QStringLiteral("Delete Account")).first()->click();
        if (signedOut) {
            QTRY_COMPARE(logout.count(), 1);
            QCOMPARE(logoutsWhileBoxOpen, 0);
            QCOMPARE(boxes, QStringList{QStringLiteral("Account Scheduled for Deletion|Your account will be "
                                                       "permanently deleted in 30 days. You can recover it by "
                                                       "signing in before then.")});
        } else if (serviceFails) {
            QTRY_COMPARE(status(), QStringLiteral("Failed to delete account."));
        } else {
            QTest::qWait(50);
            QVERIFY(status().isEmpty());
        }
        QCOMPARE(f->server.count(QStringLiteral("DELETE"), path), requested ? 1 : 0);
        if (!signedOut)
            QCOMPARE(logout.count(), 0);
    }

    void signOutAndNavigation()
    {
        openScreen();
        QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
        buttons(AccountScreen::Profile, QStringLiteral("Sign Out")).first()->click();
        QCOMPARE(logout.count(), 1);
        QCOMPARE(prompts->dialogRuns, 0);

        auto *navigation = screen->findChild<QListWidget *>();
        auto *stack = screen->findChild<QStackedWidget *>();
        QCOMPARE(navigation->count(), 5);
        QCOMPARE(navigation->item(4)->text(), QStringLiteral("Data & Privacy"));
        screen->showTab(AccountScreen::Security);
        QCOMPARE(navigation->currentRow(), 3);
        QCOMPARE(stack->currentIndex(), 3);
        navigation->setCurrentRow(AccountScreen::Group);
        QCOMPARE(stack->currentIndex(), 1);
    }

    void contentReplacedDuringAPromptOutlivesIt()
    {
        f->services->group = homeGroup();
        openScreen(QStringLiteral("owner"));
        screen->resize(800, 600);
        screen->show();
        screen->showTab(AccountScreen::Group);
        screen->refreshGroup();
        QVERIFY(waitFor(AccountScreen::Group, QStringLiteral("Bob Stone")));
        QPointer<QPushButton> remove = buttons(AccountScreen::Group, QStringLiteral("Remove")).first();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));

        bool replaced = false;
        bool aliveInPrompt = false;
        prompts->steps << [&](QDialog *) {
            // An answer arriving while the question is open rebuilds the page.
            screen->refreshGroup();
            replaced = QTest::qWaitFor([&] { return remove && !remove->isVisibleTo(page(AccountScreen::Group)); });
            QTest::qWait(20);
            aliveInPrompt = !remove.isNull();
            return int(QMessageBox::No);
        };
        QTest::mouseClick(remove, Qt::LeftButton);
        QVERIFY(replaced);
        QVERIFY(aliveInPrompt);
        QTRY_VERIFY(remove.isNull());
        QCOMPARE(buttons(AccountScreen::Group, QStringLiteral("Remove")).size(), 2);
    }

    void relativeTimes_data()
    {
        QTest::addColumn<qint64>("secondsAgo");
        QTest::addColumn<QString>("text");
        QTest::newRow("59 s") << qint64(59) << "Active now";
        QTest::newRow("future") << qint64(-600) << "Active now";
        QTest::newRow("60 s") << qint64(60) << "1m ago";
        QTest::newRow("3599 s") << qint64(3599) << "59m ago";
        QTest::newRow("3600 s") << qint64(3600) << "1h ago";
        QTest::newRow("86399 s") << qint64(86399) << "23h ago";
        QTest::newRow("86400 s") << qint64(86400) << "1d ago";
        QTest::newRow("604799 s") << qint64(604799) << "6d ago";
        QTest::newRow("604800 s") << qint64(604800) << "date";
    }

    void relativeTimes()
    {
        QFETCH(qint64, secondsAgo);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 3, 15), QTime(12, 0), Qt::UTC);
        const QDateTime then = now.addSecs(-secondsAgo);
        const QString expected = text == QLatin1String("date")
            ? then.toLocalTime().toString(QStringLiteral("MMM d, yyyy"))
            : text;
        QCOMPARE(AccountScreen::formatRelativeTime(then, now), expected);
        QCOMPARE(AccountScreen::formatRelativeTime(QDateTime(), now), QStringLiteral("Unknown"));
    }
};

TALLYRA_TEST(AccountScreenTest)
#include "tst_accountscreen.moc"
