#pragma once

#include <QtTest>

#include <functional>
#include <memory>

// Each area builds one test executable out of several test classes. A test
// file registers its class with TALLYRA_TEST(Class); the shared main runs
// them all, after pointing TALLYRA_DATA_DIR, XDG_CONFIG_HOME and
// XDG_DATA_HOME at a fresh temporary directory so no test ever touches the
// user's data, settings or tokens.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
bool add(const char *name, Factory factory);
int runAll(int argc, char *argv[]);
// Root of this process's temporary directory.
QString rootPath();
void setRootPath(const QString &path);
} // namespace TestRegistry

#define TALLYRA_TEST(TestClass)                                                                    \
    static const bool tallyra_registered_##TestClass =                                             \
        TestRegistry::add(#TestClass, [] { return std::unique_ptr<QObject>(new TestClass); });
