#pragma once

#include "reports/ui/ReportPages.h"

class QWidget;

namespace zedur {

// The print preview of a report's pages, from which the user prints them.
void previewReport(QWidget *parent, const reports::ReportPages &pages);
// The pages as a new PDF file under Data_Save/ named after `baseName`; the user is told
// where, and the file is opened. A file that cannot be written is said so.
void saveReportPdf(const reports::ReportPages &pages, const QString &baseName);

} // namespace zedur
