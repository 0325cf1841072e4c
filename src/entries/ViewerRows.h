#pragma once

#include "common/ResultSet.h"

#include <QString>

// What the viewers' deletes share. A viewer stays open while other screens change the books,
// so a delete reads the row anew by its serial and tests what is stored, never what the
// viewer shows; and a delete changes the month's costs, so it marks the open month for a new
// allocation run.
namespace zedur {

class Db;

// The stored row of a serial (none for an empty serial).
ResultSet rowBySerial(Db &db, const QString &table, const QString &serialColumn, const QString &serial);

// Deletes the row of a serial and marks the open month "배부액재계산".
void deleteAndMark(Db &db, const QString &table, const QString &serialColumn, const QString &serial);

} // namespace zedur
