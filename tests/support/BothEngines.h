#pragma once

#include "TestServer.h"

#include <QCoreApplication>
#include <QTest>
#include <cstdio>

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
        }                                                                                                              \
        return failures;                                                                                               \
    }
