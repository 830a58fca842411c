#include "account/accountsharingservice.h"
#include "account/client.h"
#include "account/sharemembersdialog.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace LumoAccount;

Q_DECLARE_METATYPE(FakeResponse)

namespace {

QJsonObject person(const char *accountId, const char *name, const char *email)
{
    return QJsonObject{{QStringLiteral("account_id"), QLatin1String(accountId)},
                       {QStringLiteral("display_name"), QLatin1String(name)},
                       {QStringLiteral("email"), QLatin1String(email)}};
}

QJsonObject share(const char *userId, const char *role, const char *name = "", const char *email = "")
{
    return QJsonObject{{QStringLiteral("user_id"), QLatin1String(userId)},
                       {QStringLiteral("role"), QLatin1String(role)},
                       {QStringLiteral("display_name"), QLatin1String(name)},
                       {QStringLiteral("email"), QLatin1String(email)}};
}

const QJsonArray ThreeMembers{person("acc-ann", "Ann Lee", "ann@example.test"),
                              person("acc-bob", "Bob Stone", "bob@example.test"),
                              person("acc-cy", "", "cy@example.test")};

} // namespace

class SharingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;
    std::unique_ptr<AccountSharingService> sharing;
    QString sharePath() const { return f->services->syncPath(QStringLiteral("/accounts/local-1/share")); }

    std::unique_ptr<ShareMembersDialog> openDialog(ShareMembersDialog::Texts texts = {})
    {
        return std::make_unique<ShareMembersDialog>(f->client.get(), sharing.get(),
                                                    QStringLiteral("local-1"), texts);
    }

    static QStringList names(ShareMembersDialog *dialog, const char *rowName)
    {
        QStringList shown;
        const auto rows = dialog->findChildren<QWidget *>(QLatin1String(rowName));
        for (QWidget *row : rows) {
            if (row->isVisibleTo(dialog))
                shown << row->findChild<QLabel *>(QStringLiteral("nameLabel"))->text();
        }
        return shown;
    }

    static bool visible(ShareMembersDialog *dialog, const char *name)
    {
        const auto widgets = dialog->findChildren<QWidget *>(QLatin1String(name));
        for (QWidget *widget : widgets) {
            if (widget->isVisibleTo(dialog))
                return true;
        }
        return false;
    }

    template<typename Button>
    static QList<Button *> buttons(ShareMembersDialog *dialog, const char *name)
    {
        QList<Button *> found;
        for (Button *button : dialog->findChildren<Button *>(QLatin1String(name))) {
            if (button->isVisibleTo(dialog))
                found << button;
        }
        return found;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        f->makeClient();
        f->signIn();
        sharing = std::make_unique<AccountSharingService>(f->client->syncApi());
        f->services->group = QJsonObject{{QStringLiteral("id"), QStringLiteral("g-1")},
                                         {QStringLiteral("members"), ThreeMembers}};
    }

    void cleanup()
    {
        sharing.reset();
        f.reset();
    }

    void shareBodies_data()
    {
        QTest::addColumn<QString>("memberId");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QJsonObject>("body");
        QTest::newRow("e-mail, default role")
            << "bob@example.test" << ""
            << QJsonObject{{"user_id", "bob@example.test"}, {"email", "bob@example.test"}, {"role", "member"}};
        QTest::newRow("account id, own role")
            << "acc-bob" << "viewer" << QJsonObject{{"user_id", "acc-bob"}, {"role", "viewer"}};
    }

    void shareBodies()
    {
        QFETCH(QString, memberId);
        QFETCH(QString, role);
        QFETCH(QJsonObject, body);
        QList<bool> results;
        sharing->shareWith(QStringLiteral("local-1"), memberId, role,
                           [&results](bool ok, const QString &error) { results << (ok && error.isEmpty()); });
        QTRY_COMPARE(results, QList<bool>{true});
        QCOMPARE(f->server.requests(QStringLiteral("POST"), sharePath()).constFirst().json(), body);
    }

    void shareErrorTexts_data()
    {
        QTest::addColumn<FakeResponse>("reply");
        QTest::addColumn<QString>("error");
        QTest::newRow("service text") << FakeResponse::json(409, QJsonObject{{"error", "Already shared"}}) << "Already shared";
        QTest::newRow("status only") << FakeResponse::json(403, QJsonObject()) << "Failed to share account (HTTP 403)";
        QTest::newRow("error not text") << FakeResponse::json(400, QJsonObject{{"error", 5}}) << "Failed to share account (HTTP 400)";
        QTest::newRow("no answer") << FakeResponse::dropped() << "Failed to share account (HTTP 0)";
    }

    void shareErrorTexts()
    {
        QFETCH(FakeResponse, reply);
        QFETCH(QString, error);
        f->server.scriptAlways(QStringLiteral("POST"), sharePath(), reply);
        int calls = 0;
        QString got;
        sharing->shareWith(QStringLiteral("local-1"), QStringLiteral("acc-bob"), QString(),
                           [&](bool ok, const QString &text) { ++calls; got = ok ? QString() : text; });
        QTRY_COMPARE(calls, 1);
        QCOMPARE(got, error);
    }

    void listAndRemove()
    {
        QJsonObject owner = share("acc-ann", "owner", "Ann Lee");
        owner.insert(QStringLiteral("created_at"), QStringLiteral("2025-01-01T00:00:00.123456+00:00"));
        f->services->shares.insert(QStringLiteral("local-1"), QJsonArray{owner, share("acc-bob", "member")});
        QList<ShareMember> members;
        bool listed = false;
        sharing->listMembers(QStringLiteral("local-1"), [&](const QList<ShareMember> &m) { members = m; listed = true; });
        QTRY_VERIFY(listed);
        QCOMPARE(members.size(), 2);
        QCOMPARE(members.at(0).role, QStringLiteral("owner"));
        QCOMPARE(members.at(0).createdAt, QStringLiteral("2025-01-01T00:00:00.123456+00:00"));
        QCOMPARE(members.at(1).id, QStringLiteral("acc-bob"));
        QCOMPARE(members.at(1).userId, members.at(1).id);

        QList<bool> removed;
        sharing->removeShare(QStringLiteral("local-1"), QStringLiteral("acc-bob"), [&](bool ok) { removed << ok; });
        sharing->removeShare(QStringLiteral("local-1"), QStringLiteral("acc-nobody"), [&](bool ok) { removed << ok; });
        QTRY_COMPARE(removed.size(), 2);
        QCOMPARE(removed.count(true), 1);
        QCOMPARE(f->services->shares.value(QStringLiteral("local-1")).size(), 1);

        GroupMember member;
        member.accountId = QStringLiteral("acc-x");
        member.authUserId = QStringLiteral("auth-y");
        QCOMPARE(sharing->memberShareId(member), QStringLiteral("acc-x"));
    }

    void dialogLists_data()
    {
        QTest::addColumn<QJsonArray>("shares");
        QTest::addColumn<QJsonArray>("members");
        QTest::addColumn<QStringList>("withAccess");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<bool>("noShares");
        QTest::addColumn<bool>("noGroup");
        QTest::addColumn<bool>("allHaveAccess");

        QTest::newRow("owner hidden, self and shared excluded")
            << QJsonArray{share("acc-ann", "owner", "Ann Lee"), share("acc-bob", "member", "Bob Stone")}
            << ThreeMembers << QStringList{"Bob Stone"} << QStringList{"cy@example.test"} << false << false << false;
        QTest::newRow("only the owner")
            << QJsonArray{share("acc-ann", "owner", "Ann Lee")}
            << ThreeMembers << QStringList{} << QStringList{"Bob Stone", "cy@example.test"} << true << false << false;
        QTest::newRow("no group members")
            << QJsonArray{share("acc-bob", "member", "Bob Stone")}
            << QJsonArray{} << QStringList{"Bob Stone"} << QStringList{} << false << true << false;
        QTest::newRow("everyone has access")
            << QJsonArray{share("acc-ann", "owner"), share("acc-bob", "member"), share("acc-cy", "member")}
            << ThreeMembers << QStringList{"Bob Stone", "cy@example.test"} << QStringList{} << false << false << true;
    }

    void dialogLists()
    {
        QFETCH(QJsonArray, shares);
        QFETCH(QJsonArray, members);
        QFETCH(QStringList, withAccess);
        QFETCH(QStringList, candidates);
        QFETCH(bool, noShares);
        QFETCH(bool, noGroup);
        QFETCH(bool, allHaveAccess);
        f->services->shares.insert(QStringLiteral("local-1"), shares);
        f->services->group.insert(QStringLiteral("members"), members);

        auto dialog = openDialog();
        const QString membersPath = f->services->syncPath(QStringLiteral("/accounts/local-1/members"));
        QTRY_VERIFY(f->server.count(QStringLiteral("GET"), f->services->accountPath(QStringLiteral("/group"))) == 1
                    && f->server.count(QStringLiteral("GET"), membersPath) == 1);
        // The shares and the group arrive in either order; nothing is
        // offered or hinted at before both are known.
        QTRY_COMPARE(names(dialog.get(), "memberRow"), withAccess);
        QTRY_COMPARE(names(dialog.get(), "candidateRow"), candidates);
        QTRY_COMPARE(visible(dialog.get(), "noSharesLabel"), noShares);
        QTRY_COMPARE(visible(dialog.get(), "noGroupHint"), noGroup);
        QTRY_COMPARE(visible(dialog.get(), "allHaveAccessHint"), allHaveAccess);
    }

    // A fetch that failed is shown as a failure: never "no group", never
    // "shared with nobody", and nobody is offered who may already have
    // access or who is the user herself.
    void fetchFailuresShowAsFailures_data()
    {
        QTest::addColumn<QString>("failing"); // the fetch answered 500
        QTest::addColumn<QStringList>("withAccess");
        QTest::addColumn<bool>("sharesFailed");
        QTest::addColumn<QString>("failureHint");
        QTest::addColumn<QStringList>("candidates");

        QTest::newRow("group") << "/group" << QStringList{"Bob Stone"} << false
                               << "Could not load your family group. Try again later." << QStringList{};
        QTest::newRow("share list") << "/accounts/local-1/members" << QStringList{} << true
                                    << "No one can be added while it is unknown who has access." << QStringList{};
        QTest::newRow("profile") << "/profile" << QStringList{"Bob Stone"} << false
                                 << "Could not load your profile. Try again later." << QStringList{};
        QTest::newRow("none") << "" << QStringList{"Bob Stone"} << false << "" << QStringList{"cy@example.test"};
    }

    void fetchFailuresShowAsFailures()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, withAccess);
        QFETCH(bool, sharesFailed);
        QFETCH(QString, failureHint);
        QFETCH(QStringList, candidates);
        f->services->shares.insert(QStringLiteral("local-1"),
                                   QJsonArray{share("acc-ann", "owner", "Ann Lee"), share("acc-bob", "member", "Bob Stone")});
        const QString path = failing.startsWith(QLatin1String("/accounts")) ? f->services->syncPath(failing)
                                                                            : f->services->accountPath(failing);
        if (!failing.isEmpty())
            f->server.scriptAlways(QStringLiteral("GET"), path, FakeResponse::json(500, QJsonObject{{"error", "down"}}));

        auto dialog = openDialog();
        auto *hint = dialog->findChild<QLabel *>(QStringLiteral("loadFailedHint"));
        QVERIFY(hint);
        if (failureHint.isEmpty()) {
            QTRY_COMPARE(names(dialog.get(), "candidateRow"), candidates);
        } else {
            QTRY_VERIFY(visible(dialog.get(), "loadFailedHint"));
            QCOMPARE(hint->text(), failureHint);
        }
        QTRY_COMPARE(names(dialog.get(), "memberRow"), withAccess);
        QTRY_COMPARE(visible(dialog.get(), "sharesFailedLabel"), sharesFailed);
        QCOMPARE(names(dialog.get(), "candidateRow"), candidates);
        QCOMPARE(buttons<QPushButton>(dialog.get(), "shareButton").size(), candidates.size());
        QCOMPARE(visible(dialog.get(), "noSharesLabel"), false);
        QCOMPARE(visible(dialog.get(), "noGroupHint"), false);
        QCOMPARE(visible(dialog.get(), "allHaveAccessHint"), false);
        QCOMPARE(visible(dialog.get(), "loadFailedHint"), !failureHint.isEmpty());
        if (sharesFailed)
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("sharesFailedLabel"))->text(),
                     QStringLiteral("Could not load who has access. Try again later."));
    }

    void memberRowBorrowsTheGroupMembersName()
    {
        f->services->shares.insert(QStringLiteral("local-1"), QJsonArray{share("acc-bob", "member")});
        auto dialog = openDialog();
        QTRY_COMPARE(names(dialog.get(), "memberRow"), QStringList{"Bob Stone"});
        QWidget *row = dialog->findChild<QWidget *>(QStringLiteral("memberRow"));
        QCOMPARE(row->findChild<QLabel *>(QStringLiteral("emailLabel"))->text(), QStringLiteral("bob@example.test"));
        QCOMPARE(row->findChild<QLabel *>(QStringLiteral("avatar"))->text(), QStringLiteral("BS"));
    }

    void serviceTextsAreNeverMarkup()
    {
        f->services->shares.insert(QStringLiteral("local-1"),
                                   QJsonArray{share("acc-eve", "member", "<img src=\"/etc/passwd\">Eve", "<b>e</b>@x")});
        auto dialog = openDialog();
        QTRY_COMPARE(names(dialog.get(), "memberRow"), QStringList{"<img src=\"/etc/passwd\">Eve"});
        QWidget *row = dialog->findChild<QWidget *>(QStringLiteral("memberRow"));
        for (const char *name : {"nameLabel", "emailLabel", "avatar"})
            QCOMPARE(row->findChild<QLabel *>(QLatin1String(name))->textFormat(), Qt::PlainText);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("errorLabel"))->textFormat(), Qt::PlainText);
    }

    void initials_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("initials");
        QTest::newRow("three words") << "ann marie lee" << "" << "AL";
        QTest::newRow("one word") << "ann" << "x@y" << "A";
        QTest::newRow("e-mail only") << "" << "bob@example.test" << "B";
        QTest::newRow("nothing") << "" << "" << "?";
        QTest::newRow("two blanks") << "  " << "" << " ";
    }

    void initials()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, initials);
        QCOMPARE(ShareMembersDialog::initialsFor(name, email), initials);
    }

    void busyDialogSendsOneChangeAtATime()
    {
        f->services->shares.insert(QStringLiteral("local-1"), QJsonArray{share("acc-ann", "owner")});
        auto dialog = openDialog();
        QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
        QTRY_COMPARE(buttons<QPushButton>(dialog.get(), "shareButton").size(), 2);

        f->server.script(QStringLiteral("POST"), sharePath(), FakeResponse::json(201, QJsonObject()).withDelay(200));
        const auto shareButtons = buttons<QPushButton>(dialog.get(), "shareButton");
        shareButtons.at(0)->click();
        shareButtons.at(1)->click();
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(f->server.count(QStringLiteral("POST"), sharePath()), 1);
        QCOMPARE(f->server.requests(QStringLiteral("POST"), sharePath()).constFirst().json().value(QLatin1String("user_id")).toString(),
                 QStringLiteral("acc-bob"));
    }

    void removalAskedFirst()
    {
        f->services->shares.insert(QStringLiteral("local-1"),
                                   QJsonArray{share("acc-bob", "member", "Bob Stone")});
        auto dialog = openDialog();
        QStringList questions;
        bool answer = false;
        dialog->setConfirmHandler([&](const QString &title, const QString &text) {
            questions << title + QLatin1Char('|') + text;
            return answer;
        });
        QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
        QTRY_COMPARE(buttons<QToolButton>(dialog.get(), "removeButton").size(), 1);
        const QString removePath = f->services->syncPath(QStringLiteral("/accounts/local-1/share/acc-bob"));

        buttons<QToolButton>(dialog.get(), "removeButton").first()->click();
        QCOMPARE(questions, QStringList{"Remove access?|Bob Stone will no longer have access. Continue?"});
        QTest::qWait(30);
        QCOMPARE(f->server.count(QStringLiteral("DELETE"), removePath), 0);

        // Not left busy by the "No": the failure of a real attempt shows in the error line.
        answer = true;
        f->server.script(QStringLiteral("DELETE"), removePath, FakeResponse::json(500, QJsonObject()));
        buttons<QToolButton>(dialog.get(), "removeButton").first()->click();
        QTRY_VERIFY(visible(dialog.get(), "errorLabel"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("errorLabel"))->text(), QStringLiteral("Could not remove Bob Stone."));
        QCOMPARE(changed.count(), 0);

        buttons<QToolButton>(dialog.get(), "removeButton").first()->click();
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(!visible(dialog.get(), "errorLabel"));
        QTRY_COMPARE(names(dialog.get(), "memberRow"), QStringList());
        QTRY_VERIFY(visible(dialog.get(), "noSharesLabel"));
    }

    void shareFailureShowsTheServiceText()
    {
        ShareMembersDialog::Texts texts;
        texts.shareRole = QStringLiteral("viewer");
        auto dialog = openDialog(texts);
        QTRY_COMPARE(buttons<QPushButton>(dialog.get(), "shareButton").size(), 2);
        f->server.script(QStringLiteral("POST"), sharePath(), FakeResponse::json(409, QJsonObject{{"error", "Seat limit reached"}}));
        buttons<QPushButton>(dialog.get(), "shareButton").first()->click();
        QTRY_VERIFY(visible(dialog.get(), "errorLabel"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("errorLabel"))->text(), QStringLiteral("Seat limit reached"));
        QCOMPARE(f->server.requests(QStringLiteral("POST"), sharePath()).constFirst().json().value(QLatin1String("role")).toString(),
                 QStringLiteral("viewer"));
    }
};

TALLYRA_TEST(SharingTest)
#include "tst_sharing.moc"
