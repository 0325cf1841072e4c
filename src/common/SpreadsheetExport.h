#pragma once

#include "common/ResultSet.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

namespace zedur {

// One list handed to the spreadsheet: row 1 the titles, then one row per record.
struct ExportSheet {
    bool open = true; // false: the list was never run
    QStringList titles;
    QVector<QVector<QVariant>> rows;
    QString baseName = QStringLiteral("목록"); // start of the file name
};

// A list's fields with their display titles, in the order they are written.
struct ExportField {
    QString field;
    QString title;
};
ExportSheet exportSheetOf(const ResultSet &rs, const QVector<ExportField> &fields);

// Writes the sheet as a new .xlsx file under Data_Save/ beside the program (or the user's
// documents folder where that cannot be written), tells the user, then opens it with the
// file opener. Returns the file written, or an empty text.
QString pExcelExport(const ExportSheet &sheet);

// Excel's name of the n-th column (1 -> "A", 27 -> "AA").
QString excelColumnName(int n);

// What opens a written file: the program sets the desktop's, tests their own; with none
// (the command line) the file is only written and the user told where it is.
using FileOpener = std::function<bool(const QString &path)>;
void setFileOpener(FileOpener opener);

} // namespace zedur
