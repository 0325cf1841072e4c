#include "TestServer.h"

#include "common/BooksLocation.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace zedur::test {

namespace {

Engine &chosenEngine()
{
    static Engine engine = Engine::Sqlite;
    return engine;
}

// Database names and definitions are no values a statement can bind: run them on a
// connection of their own to the maintenance database.
void administer(const QString &server, const QString &statement)
{
    static QAtomicInt counter;
    const QString connection = QStringLiteral("zedur_test_admin_%1").arg(counter.fetchAndAddRelaxed(1));
    QString failure;
    {
        const auto address = parseServerLocation(server);
        if (!address)
            throw std::runtime_error((server + QStringLiteral(" is no server address")).toStdString());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(address->host);
        if (address->port > 0)
            db.setPort(address->port);
        db.setDatabaseName(address->database);
        db.setUserName(address->user);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(statement))
                failure = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        throw std::runtime_error((statement + QStringLiteral(": ") + failure).toStdString());
}

} // namespace

Engine testEngine()
{
    return chosenEngine();
}

void setTestEngine(Engine engine)
{
    chosenEngine() = engine;
}

const char *engineName(Engine engine)
{
    return engine == Engine::Sqlite ? "SQLite" : "PostgreSQL";
}

QString testServer()
{
    return qEnvironmentVariable("ZEDUR_TEST_SERVER");
}

ServerDatabase::ServerDatabase(const QString &server) : m_server(server)
{
    static QAtomicInt counter;
    m_name =
        QStringLiteral("zedur_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
    administer(m_server, QStringLiteral("CREATE DATABASE %1").arg(m_name));
    auto address = *parseServerLocation(m_server);
    address.database = m_name;
    m_location = address.location();
}

ServerDatabase::~ServerDatabase()
{
    try {
        // FORCE: a connection a failed test left open must not keep the database.
        administer(m_server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    }
}

} // namespace zedur::test
