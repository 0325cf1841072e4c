#pragma once

#include <QString>

namespace zedur {

class Db;

// What tells whether the books changed since a moment, cheaply: empty where the engine cannot
// tell it without reading the books (a server), so that the caller reads them anew.
namespace changestamp {

// Changes with every commit of another connection (another desk or program).
QString ofOthers(Db &db);
// Changes with those, and with every row this connection writes.
QString ofAll(Db &db);

} // namespace changestamp

} // namespace zedur
