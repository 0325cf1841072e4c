#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Where a file the program writes at a user's word may go, and how it gets there: one rule
// for the exports, the printed statements, new books, copies of the books and backups.
// Nothing is ever written over the books, the files SQLite keeps beside a database, a backup
// or any other SQLite database, whatever link or "../" leads there; a file of the kind being
// written is replaced in one step, and only once the new one is whole.
namespace zedur {

// What is written: the name the refusals give it and how its files begin, by which an
// existing file of the kind is told from anything else (empty: nothing may be replaced).
struct OutputKind {
    QString label;
    QByteArray signature;
    bool books = false; // new books: they may go where the program looks for its books
};
const OutputKind &spreadsheetOutput();
const OutputKind &pdfOutput();
const OutputKind &booksOutput();

// Why `path` must not be written as `kind`, in the user's words; nothing when it may.
std::optional<QString> refusalToWrite(const QString &path, const OutputKind &kind);

// The rule refused the path: nothing was written.
class OutputRefused : public Failure
{
public:
    explicit OutputRefused(const QString &message) : Failure(QStringLiteral("OutputRefused"), message) {}
};

// Writes `path` as `kind`: `write` gets a new file in the same folder to write and answers
// whether it wrote all of it; that file, on the disk, then takes the place of whatever the
// path leads to. OutputRefused when the rule refuses the path; false when the writing
// failed, with everything left as it was.
bool writeOutputFile(const QString &path, const OutputKind &kind, const std::function<bool(const QString &)> &write);

} // namespace zedur
