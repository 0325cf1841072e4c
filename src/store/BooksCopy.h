#pragma once

#include <QString>
#include <QVector>

namespace zedur {

class Db;

// One table of the books as the copy found it on both sides.
struct CopiedTable {
    QString name;
    qint64 sourceRows = 0;
    qint64 targetRows = 0;
    bool same = false; // the same rows, value for value, whatever their order
};

struct CopyOutcome {
    QVector<CopiedTable> tables;
    bool allSame() const;
    qint64 rows() const;
};

// Copies the books at `from` into new books at `to`, SQLite file or server database either
// way: the target is made as the new-database tool makes it (a file that does not exist
// yet, or a server database holding none of the books' tables; anything else is refused
// with StoreError before a row is written) and filled in one transaction, all of it or
// nothing; the source is read in one consistent snapshot. Afterwards every table is read
// again on both sides and compared.
CopyOutcome copyBooks(const QString &from, const QString &to);

// Every row of every base table of `target` replaced by the rows of `source`, in the
// caller's transaction on `target` (a restore of server books); then every table compared
// as `copyBooks` compares them.
QVector<CopiedTable> replaceRows(Db &source, Db &target);

// Compares every base table of two sets of books, value for value.
QVector<CopiedTable> compareBooks(Db &source, Db &target);

} // namespace zedur
