#pragma once

#include "common/SavedFiles.h"
#include "common/Workbook.h"

namespace zedur {

// Writes the sheet as a new .xlsx file under Data_Save/ beside the program (or the user's
// documents folder where that cannot be written), tells the user, then opens it with the
// desktop's spreadsheet program. Returns the file written, or an empty text.
QString pExcelExport(const ExportSheet &sheet);
// Several lists of one screen in one file, a worksheet each; the file is named after the
// first. Each list must be open and have rows.
QString pExcelExport(const QVector<ExportSheet> &sheets);

} // namespace zedur
