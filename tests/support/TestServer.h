#pragma once

#include "store/Dialect.h"

#include <QString>

namespace zedur::test {

// The engine the test books are made on; the test programs that run on both engines set it
// before each pass (BothEngines.h).
Engine testEngine();
void setTestEngine(Engine engine);
const char *engineName(Engine engine);

// The tests' PostgreSQL server (scripts/test-server), from ZEDUR_TEST_SERVER: the address of
// its maintenance database. Empty when the tests run without one.
QString testServer();

// A new, empty database on the tests' server, dropped again when this goes.
class ServerDatabase
{
public:
    ServerDatabase();
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;
    const QString &location() const { return m_location; }

private:
    QString m_name;
    QString m_location;
};

} // namespace zedur::test
