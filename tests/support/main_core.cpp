#include "support/testmain.h"

#include <QCoreApplication>
#include <QTemporaryDir>

void setUpTestEnvironment(QTemporaryDir &dir);

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    setUpTestEnvironment(dir);
    QCoreApplication app(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
