#include "support/testmain.h"

#include <QApplication>
#include <QTemporaryDir>

void setUpTestEnvironment(QTemporaryDir &dir);

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    setUpTestEnvironment(dir);
    QApplication app(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
