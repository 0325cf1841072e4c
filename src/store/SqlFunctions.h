#pragma once

class QSqlDatabase;

namespace zedur {

// Gives a connection the program's own rounding as SQL functions, so that set-based
// statements round exactly as the shared helpers do:
//   round15(x)           x to 15 significant digits (an amount passed on as decimal text);
//   round_decimals(x, n) x as formatted with n decimals ("0.0000": n = 4) and read back;
//   serial_plus(s, k)    the serial k after s, as k new serials drawn one by one would be.
// NULL stays NULL. Throws StoreError when the driver gives no SQLite handle.
void registerSqlFunctions(QSqlDatabase &connection);

} // namespace zedur
