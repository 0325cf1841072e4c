#include "store/SqliteSetup.h"

#include <mutex>
#include <sqlite3.h>

namespace zedur {

void configureSqlite()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // SQLITE_MISUSE when SQLite was already started by a connection opened elsewhere:
        // it then keeps its defaults, which are only slower.
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
    });
}

} // namespace zedur
