#pragma once

#include <QString>
#include <optional>

// Where the books are: the SQLite file (the default), or a database on a PostgreSQL server
// named by an address "postgresql://user@host[:port]/dbname". The address never carries a
// password: the server's client library takes it from ~/.pgpass or PGPASSWORD.
namespace zedur {

struct ServerAddress {
    QString host;  // empty: the client library's default (PGHOST, or the local socket)
    int port = -1; // -1: the default (PGPORT, or 5432)
    QString database;
    QString user; // empty: the client library's default (PGUSER, or the login name)
    QString location() const;
};

bool isServerLocation(const QString &location);
// The address in a location; nothing when the location is a file or not a valid address.
std::optional<ServerAddress> parseServerLocation(const QString &location);

// The books a settings file names: a server address when its [Books] group says
// driver=postgresql (host, port, database, user beside it); empty when the file is missing
// or names the SQLite file. A settings file that names a server without a database, or an
// unknown driver, gives an error text instead (second member).
struct SettingsLocation {
    QString location;
    QString error;
};
SettingsLocation locationFromSettings(const QString &settingsFile);

} // namespace zedur
