#include "support/testmain.h"

#include "feedfiles.h"

#include "update/releasenotesfetcher.h"

#include <QLocale>
#include <QSignalSpy>

using namespace LumoUpdate;

namespace {
const QString kNotes = QStringLiteral("/tallyra/1.1.7/release-notes.md");
const QString kGermanNotes = QStringLiteral("/tallyra/1.1.7/release-notes.de.md");
} // namespace

class ReleaseNotesTest : public QObject
{
    Q_OBJECT

private:
    FakeServer *m_server = nullptr;

    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const FakeRequest &request : m_server->requests())
            paths << request.path;
        return paths;
    }

    UpdateConfig config() const
    {
        return {QStringLiteral("tallyra"), QStringLiteral("stable"), m_server->url(QStringLiteral("/tallyra/stable/")),
                QStringLiteral("1.1.7")};
    }

    // "ready:<text>" or "unavailable".
    QString fetchNotes()
    {
        ReleaseNotesFetcher fetcher(config());
        QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
        QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
        fetcher.fetch();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(ready.count() + unavailable.count() == 1, 60000); }();
        QTest::qWait(50);
        if (ready.count() + unavailable.count() != 1)
            return QStringLiteral("signalled %1 times").arg(ready.count() + unavailable.count());
        return ready.isEmpty() ? QStringLiteral("unavailable")
                               : QStringLiteral("ready:") + ready.at(0).at(0).toString();
    }

private Q_SLOTS:
    void init()
    {
        m_server = new FakeServer(this);
        QVERIFY(m_server->start());
    }

    void cleanup()
    {
        delete m_server;
        QLocale::setDefault(QLocale::system());
    }

    void notesLiveBesideTheChannelFolder_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing slash") << "https://feed.example.invalid/tallyra/stable/?k=1"
                                        << "https://feed.example.invalid/tallyra/1.1.7/release-notes.md?k=1";
        QTest::newRow("no trailing slash") << "https://feed.example.invalid/tallyra/stable"
                                           << "https://feed.example.invalid/tallyra/1.1.7/release-notes.md";
    }

    void notesLiveBesideTheChannelFolder()
    {
        QFETCH(QString, base);
        QFETCH(QString, expected);
        UpdateConfig withBase = config();
        withBase.manifestBaseUrl = QUrl(base);
        QCOMPARE(releaseNotesUrl(withBase, QStringLiteral("1.1.7")), QUrl(expected));
    }

    void localizedVariant_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("german") << "https://x.invalid/1.1.7/release-notes.md" << "de_DE"
                                << "https://x.invalid/1.1.7/release-notes.de.md";
        QTest::newRow("japanese") << "https://x.invalid/n.md" << "ja_JP" << "https://x.invalid/n.ja.md";
        QTest::newRow("english has none") << "https://x.invalid/n.md" << "en_GB" << "";
        QTest::newRow("the C locale is English") << "https://x.invalid/n.md" << "C" << "";
        QTest::newRow("other ending stays") << "https://x.invalid/notes.txt" << "fr_FR"
                                            << "https://x.invalid/notes.txt";
        QTest::newRow("ending is case-sensitive") << "https://x.invalid/n.MD" << "fr_FR" << "https://x.invalid/n.MD";
    }

    void localizedVariant()
    {
        QFETCH(QString, notes);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(localizedNotesUrl(QUrl(notes), locale), expected.isEmpty() ? QUrl() : QUrl(expected));
    }

    void englishSystemAsksOnlyForTheDefaultFile()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        serveFile(*m_server, kNotes, "\n  # 1.1.7\n\n- Faster register\n\n");
        QCOMPARE(fetchNotes(), QStringLiteral("ready:# 1.1.7\n\n- Faster register"));
        QCOMPARE(requestedPaths(), QStringList{kNotes});
    }

    void cLocaleAsksForTheEnglishNotes()
    {
        QLocale::setDefault(QLocale::c());
        serveFile(*m_server, kNotes, "# New");
        QCOMPARE(fetchNotes(), QStringLiteral("ready:# New"));
        QCOMPARE(requestedPaths(), QStringList{kNotes});
    }

    // Notes addresses come from the feed: only web addresses are read.
    void onlyWebAddressesAreFetched_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("local file") << "file";
        QTest::newRow("data") << "data:text/plain,%23%20Injected";
        QTest::newRow("resource") << "qrc:/i18n/tallyra_de.qm";
        QTest::newRow("web address redirected to a local file") << "redirect";
    }

    void onlyWebAddressesAreFetched()
    {
        QFETCH(QString, address);
        QTemporaryDir dir;
        const QString secretPath = writeLocalFile(dir, QStringLiteral("secret.md"), "# Private");
        QVERIFY(!secretPath.isEmpty());
        QUrl url(address);
        if (address == QLatin1String("file"))
            url = QUrl::fromLocalFile(secretPath);
        if (address == QLatin1String("redirect")) {
            m_server->scriptAlways(QStringLiteral("GET"), QStringLiteral("/moved.md"),
                                   FakeResponse::redirect(QUrl::fromLocalFile(secretPath)));
            url = m_server->url(QStringLiteral("/moved.md"));
        }

        for (const char *locale : {"en_US", "de_DE"}) {
            QLocale::setDefault(QLocale(QLatin1String(locale)));
            ReleaseNotesFetcher fetcher(url, QStringLiteral("tallyra"));
            QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
            QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
            fetcher.fetch();
            QTRY_COMPARE(unavailable.count(), 1);
            QTest::qWait(20);
            QCOMPARE(ready.count(), 0);
        }
    }

    void germanSystemPrefersGermanNotes()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        serveFile(*m_server, kGermanNotes, "# Neu");
        serveFile(*m_server, kNotes, "# New");
        QCOMPARE(fetchNotes(), QStringLiteral("ready:# Neu"));
        QCOMPARE(requestedPaths(), QStringList{kGermanNotes});
    }

    void germanNotesMissingOrBlankFallBack_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("missing") << 404 << QByteArray();
        QTest::newRow("blank") << 200 << QByteArray(" \n\n \t\n");
        QTest::newRow("server error") << 500 << QByteArray("# Neu");
    }

    void germanNotesMissingOrBlankFallBack()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        serveFile(*m_server, kGermanNotes, body, status);
        serveFile(*m_server, kNotes, "# New");
        QCOMPARE(fetchNotes(), QStringLiteral("ready:# New"));
        QCOMPARE(requestedPaths(), (QStringList{kGermanNotes, kNotes}));
    }

    void blankOrMissingDefaultIsUnavailable()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        serveFile(*m_server, kNotes, "\n\n   \n");
        QCOMPARE(fetchNotes(), QStringLiteral("unavailable"));
        serveFile(*m_server, kNotes, "# gone", 404);
        QCOMPARE(fetchNotes(), QStringLiteral("unavailable"));
    }
};

TALLYRA_TEST(ReleaseNotesTest)
#include "test_releasenotes.moc"
