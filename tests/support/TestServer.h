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

// A new, empty database on a server (by default the tests' one), made through the server's
// maintenance database `server` names and dropped again when this goes: never a database
// that holds anything but what its owner put there.
class ServerDatabase
{
public:
    explicit ServerDatabase(const QString &server = testServer());
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;
    const QString &location() const { return m_location; }

private:
    QString m_server;
    QString m_name;
    QString m_location;
};

} // namespace zedur::test
