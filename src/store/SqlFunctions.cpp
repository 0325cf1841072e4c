#include "store/SqlFunctions.h"

#include "common/TextNumber.h"
#include "store/Serials.h"
#include "store/StoreError.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace zedur {

namespace {

void sqlRound15(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_double(context, round15(sqlite3_value_double(args[0])));
}

void sqlRoundDecimals(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_double(context, roundDecimals(sqlite3_value_double(args[0]), sqlite3_value_int(args[1])));
}

void sqlSerialPlus(sqlite3_context *context, int, sqlite3_value **args)
{
    try {
        // A statement numbers its new rows after one serial: SQLite keeps where that serial
        // stands while it is the same, instead of reading it again for every row.
        qint64 start = 0;
        if (const auto *kept = static_cast<const qint64 *>(sqlite3_get_auxdata(context, 0))) {
            start = *kept;
        } else {
            const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(args[0]));
            start = serialPosition(QString::fromUtf8(text ? text : ""));
            sqlite3_set_auxdata(context, 0, new qint64(start), [](void *p) { delete static_cast<qint64 *>(p); });
        }
        const QByteArray serial = serialAt(start + sqlite3_value_int64(args[1])).toUtf8();
        sqlite3_result_text(context, serial.constData(), int(serial.size()), SQLITE_TRANSIENT);
    } catch (const StoreError &e) {
        const QByteArray message = e.message().toUtf8();
        sqlite3_result_error(context, message.constData(), int(message.size()));
    }
}

} // namespace

void registerSqlFunctions(QSqlDatabase &connection)
{
    const QVariant handle = connection.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw StoreError(QStringLiteral("the database driver gives no SQLite connection"));
    sqlite3 *db = *static_cast<sqlite3 *const *>(handle.constData());
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(db, "round15", 1, flags, nullptr, sqlRound15, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(db, "round_decimals", 2, flags, nullptr, sqlRoundDecimals, nullptr, nullptr,
                                   nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "serial_plus", 2, flags, nullptr, sqlSerialPlus, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace zedur
