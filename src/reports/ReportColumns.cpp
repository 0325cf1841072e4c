#include "reports/ReportColumns.h"

namespace zedur::reports {

ExportSheet sheetOf(const ReportList &list, const QString &baseName)
{
    QVector<ExportField> fields;
    for (const ReportColumn &c : list.columns)
        fields << ExportField{c.field, c.title};
    ExportSheet sheet = exportSheetOf(list.rows, fields);
    sheet.baseName = baseName;
    return sheet;
}

} // namespace zedur::reports
