#pragma once

#include "common/Failure.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

// Spreadsheets a user brings in: .xlsx workbooks and .csv text files, read row by row so
// that a sheet of any length needs no more memory than one of its rows.
namespace zedur {

// A file that cannot be read as a spreadsheet; the message says why, in the user's words.
class SheetError : public Failure
{
public:
    explicit SheetError(const QString &message) : Failure(QStringLiteral("SheetError"), message) {}
};

// One row as read: a cell each column up to the last filled one. A cell is empty (an
// invalid QVariant), a text (QString), a number (double; dates are their serial numbers)
// or a boolean.
using SheetCells = QVector<QVariant>;

struct SheetVisitor {
    // A worksheet begins (a .csv file is one sheet, named after the file).
    std::function<void(const QString &name)> sheet;
    // A row with at least one cell filled, numbered as the spreadsheet program shows it.
    std::function<void(int number, const SheetCells &cells)> row;
};

// What a workbook may hold before it is refused as too large: an .xlsx is a zip, and a
// small file can unpack to gigabytes.
struct SheetLimits {
    qint64 sheetBytes = qint64(4) << 30;          // one worksheet unpacked
    qint64 sharedStringBytes = qint64(512) << 20; // the shared texts, which are held whole
};

// The largest sheet a spreadsheet program makes.
inline constexpr int MaxSheetRows = 1048576;
inline constexpr int MaxSheetColumns = 16384;

// Reads the file's sheets in order: an .xlsx (recognised by its content) or a .csv in
// UTF-8 or in the Korean code page (CP949). Throws SheetError.
void readSpreadsheet(const QString &path, const SheetVisitor &visitor, const SheetLimits &limits = {});

// The parts of readSpreadsheet, for a file whose kind is known.
void readXlsx(const QString &path, const SheetVisitor &visitor, const SheetLimits &limits = {});
void readCsv(const QString &path, const SheetVisitor &visitor);

// The number of a column written as letters ("A" 1, "AA" 27); 0 when not letters.
int columnNumber(const QString &letters);

} // namespace zedur
