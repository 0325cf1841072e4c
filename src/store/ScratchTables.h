#pragma once

#include "store/Db.h"

#include <QString>
#include <QVector>

namespace zedur {

// Rows of one of the books' tables copied into a table of the connection's own (a temporary
// table: it can be made on books that may only be read, and no other desk ever sees it), to be
// worked on without touching the books. It has the books' table's columns, types and case
// rules, a unique index on its serial and one on each link to the rows its rows were made
// from. It goes with the transaction it was made in when that is rolled back, and with the
// connection at the latest.
class ScratchCopy
{
public:
    // Copies the rows of `table` that `rows` chooses: a condition on the table's own columns.
    ScratchCopy(Db &db, const QString &table, const QString &rows, const Params &params);

    // The books' table copied.
    const QString &table() const { return m_table; }
    // The copy, under a name of its own: the name to compare it with the books by.
    const QString &name() const { return m_name; }
    // The table's column prefix ("Gong_") and its serial column.
    const QString &prefix() const { return m_prefix; }
    QString serialColumn() const;

private:
    QString m_table;
    QString m_name;
    QString m_prefix;
};

// For as long as it lives, the copies stand in for the books' tables they were copied from:
// a statement that names one of those tables reads and writes its copy, because a table of
// the connection's own hides a table of the books of the same name (on both engines). An
// engine's own statements run so on copies, and the books stay as they are whatever the
// statements write. The copies get their own names back when it goes.
class StandIns
{
public:
    StandIns(Db &db, const QVector<const ScratchCopy *> &copies);
    ~StandIns();
    StandIns(const StandIns &) = delete;
    StandIns &operator=(const StandIns &) = delete;

private:
    Db &m_db;
    QVector<const ScratchCopy *> m_copies;
};

} // namespace zedur
