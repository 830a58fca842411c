// Import screen figure: choosing a 50k-row CSV file until its preview is
// painted, against reading and parsing the same file alone, same run.

#include "benchutil.h"

#include "app/appstate.h"
#include "screens/filechooser.h"
#include "screens/importscreen.h"
#include "services/csvparser.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace Bench;

namespace {

constexpr int kRows = 50000;
constexpr int kRuns = 5;

// A bank export as many banks write it: ";" separated, decimal commas, CR LF.
QByteArray generateCsv(int count)
{
    QRandomGenerator random(20240303);
    QByteArray file = "Buchungstag;Empfaenger;Betrag;Verwendungszweck;Kategorie\r\n";
    const QDate start(2019, 1, 1);
    for (int i = 0; i < count; ++i) {
        const qint64 cents = qint64(random.bounded(1, 500000));
        file += start.addDays(random.bounded(5 * 365)).toString(QStringLiteral("dd.MM.yyyy")).toUtf8() + ";\"Shop "
                + QByteArray::number(i) + "\";-" + QByteArray::number(cents / 100) + ','
                + QByteArray::number(cents % 100).rightJustified(2, '0') + ";memo " + QByteArray::number(i % 97)
                + ";Groceries\r\n";
    }
    return file;
}

class PickedFile : public FileChooser
{
public:
    explicit PickedFile(const QString &path)
        : m_path(path)
    {
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return m_path; }

private:
    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useTemporaryDirectory(dir);
    QApplication application(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false"));

    AppState state;
    if (!state.initialize())
        qFatal("cannot open the database");

    const QString path = dir.filePath(QStringLiteral("bank.csv"));
    {
        const QByteArray content = generateCsv(kRows);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    PickedFile picked(path);
    FileChooser::setCurrent(&picked);

    ImportScreen screen(&state);
    screen.resize(650, 600);
    screen.show();
    QApplication::processEvents();

    const double readMs = medianMs(kRuns, [&] {
        if (CsvParser::readFile(path).table.rowCount() != kRows + 1)
            qFatal("the file did not read whole");
    });
    const double previewMs = medianOfRuns(kRuns, [&] {
        screen.refreshAccounts(); // a fresh form each time, as the main window shows it
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        screen.selectFile();
        screen.repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (screen.csvRows().rowCount() != kRows + 1)
            qFatal("the preview did not list every row");
        return ms;
    });
    FileChooser::setCurrent(nullptr);

    printMs("csv_read_parse_50k", readMs);
    printMs("csv_preview_50k", previewMs);
    printRatio("csv_preview_vs_read_parse", previewMs, readMs, 2.0);
    return 0;
}
