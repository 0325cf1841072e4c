#pragma once

// What the viewers' deletes share. A viewer stays open while other screens change the books,
// so a delete reads its row anew (readStoredRow) and tests what is stored, never what the
// viewer shows; and a delete changes the month's costs, so it marks the open month for a new
// allocation run.
namespace zedur {

class Db;
class StoredRow;

// Deletes the row and marks the open month "배부액재계산".
void deleteAndMark(Db &db, const StoredRow &row);

} // namespace zedur
