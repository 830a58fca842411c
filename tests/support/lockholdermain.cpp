// Another program that holds a database's write lock, for the tests.
//   lockholder <database> <milliseconds>
// Takes the write lock (BEGIN IMMEDIATE, waiting up to a minute for it),
// prints "locked", keeps it for the given time, or until a line arrives on
// standard input or it closes when the time is negative, then lets go,
// prints "released" and exits with 0.

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lockholder <database> <milliseconds>\n");
        return 2;
    }
    const long holdMs = std::strtol(argv[2], nullptr, 10);
    sqlite3 *handle = nullptr;
    if (sqlite3_open(argv[1], &handle) != SQLITE_OK) {
        std::fprintf(stderr, "lockholder: %s\n", sqlite3_errmsg(handle));
        return 1;
    }
    sqlite3_busy_timeout(handle, 60000);
    if (sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "lockholder: %s\n", sqlite3_errmsg(handle));
        sqlite3_close(handle);
        return 1;
    }
    say("locked");
    if (holdMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    } else {
        int c = 0;
        while ((c = std::getchar()) != EOF && c != '\n') {
        }
    }
    sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
    say("released");
    return 0;
}
