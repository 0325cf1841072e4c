#pragma once

#include "TestServer.h"

#include <QCoreApplication>
#include <QTest>
#include <csignal>
#include <cstdio>

namespace zedur::test {

// Qt Test's crash handler stays installed after a run of the tests (Qt 6.4), and the next run
// takes it for the handler before it and hands every fatal signal back to it: the process
// then catches the same signal forever, with SIGTERM blocked. Each run starts from the
// default actions, so that a failing second pass ends as the first would.
inline void restoreDefaultSignalActions()
{
    for (const int sig : {SIGHUP, SIGINT, SIGQUIT, SIGILL, SIGABRT, SIGBUS, SIGFPE, SIGSEGV, SIGPIPE, SIGTERM})
        std::signal(sig, SIG_DFL);
}

} // namespace zedur::test

// A test program whose books are made on SQLite and then, with every test again, on the
// tests' PostgreSQL server (scripts/test-server, started by the test command). Without a
// server (a test program started by hand) the second pass is left out and said so.
#define ZEDUR_TEST_ON_BOTH_ENGINES(TestClass)                                                                          \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QCoreApplication app(argc, argv);                                                                              \
        TestClass tc;                                                                                                  \
        int failures = 0;                                                                                              \
        for (const zedur::Engine engine : {zedur::Engine::Sqlite, zedur::Engine::Postgres}) {                          \
            if (engine == zedur::Engine::Postgres && zedur::test::testServer().isEmpty()) {                            \
                std::printf("ZEDUR_TEST_SERVER not set: the PostgreSQL pass is left out\n");                           \
                continue;                                                                                              \
            }                                                                                                          \
            std::printf("===== books on %s =====\n", zedur::test::engineName(engine));                                 \
            std::fflush(stdout);                                                                                       \
            zedur::test::setTestEngine(engine);                                                                        \
            failures += QTest::qExec(&tc, argc, argv);                                                                 \
            zedur::test::restoreDefaultSignalActions();                                                                \
        }                                                                                                              \
        return failures;                                                                                               \
    }
