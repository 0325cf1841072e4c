#pragma once

#include "common/ResultSet.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zedur {

// One list handed to the spreadsheet: row 1 the titles, then one row per record.
struct ExportSheet {
    bool open = true; // false: the list was never run
    QStringList titles;
    QVector<QVector<QVariant>> rows;
    QString baseName = QStringLiteral("목록"); // start of the file name
    QString sheetName;                         // the worksheet's tab; empty: the writer's default
};

// A list's fields with their display titles, in the order they are written.
struct ExportField {
    QString field;
    QString title;
};
ExportSheet exportSheetOf(const ResultSet &rs, const QVector<ExportField> &fields);

// Writes the sheets, one worksheet each in their order, as an .xlsx file at path (numbers
// as numbers, titles in bold), by the rule of OutputFile.h: OutputRefused where no file may
// be written, false when the file cannot be written (an old file there stays as it was).
bool writeWorkbook(const QString &path, const QVector<ExportSheet> &sheets);

// Excel's name of the n-th column (1 -> "A", 27 -> "AA").
QString excelColumnName(int n);

} // namespace zedur
