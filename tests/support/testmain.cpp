#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

#include <vector>

namespace TestRegistry {

namespace {

struct Entry
{
    const char *name;
    Factory factory;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> list;
    return list;
}

QString &root()
{
    static QString path;
    return path;
}

} // namespace

bool add(const char *name, Factory factory)
{
    entries().push_back({name, std::move(factory)});
    return true;
}

QString rootPath()
{
    return root();
}

void setRootPath(const QString &path)
{
    root() = path;
}

int runAll(int argc, char *argv[])
{
    // Optional first argument: run only the named test class.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString only;
    if (args.size() > 1 && !args.at(1).startsWith(QLatin1Char('-'))) {
        only = args.takeAt(1);
    }

    int failures = 0;
    for (const Entry &entry : entries()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        std::unique_ptr<QObject> test = entry.factory();
        failures += QTest::qExec(test.get(), args);
    }
    return failures;
}

} // namespace TestRegistry

void setUpTestEnvironment(QTemporaryDir &dir)
{
    const QString root = dir.path();
    QDir(root).mkpath(QStringLiteral("data"));
    QDir(root).mkpath(QStringLiteral("config"));
    QDir(root).mkpath(QStringLiteral("share"));
    qputenv("TALLYRA_DATA_DIR", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/share")));
    TestRegistry::setRootPath(root);
}
