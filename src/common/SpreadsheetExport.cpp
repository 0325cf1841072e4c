#include "common/SpreadsheetExport.h"

#include "common/Messages.h"
#include "common/OutputFile.h"

namespace zedur {

namespace {
const QString cautionTitle = QStringLiteral("주의");
}

QString pExcelExport(const ExportSheet &sheet)
{
    return pExcelExport(QVector<ExportSheet>{sheet});
}

QString pExcelExport(const QVector<ExportSheet> &sheets)
{
    if (sheets.isEmpty()) {
        msg::warning(QStringLiteral("Data가 없읍니다!!!....."), cautionTitle);
        return {};
    }
    for (const ExportSheet &sheet : sheets) {
        if (!sheet.open) {
            msg::warning(QStringLiteral("DataSet이 활성화되지 않았읍니다!!!...."), cautionTitle);
            return {};
        }
        if (sheet.rows.isEmpty()) {
            msg::warning(QStringLiteral("Data가 없읍니다!!!....."), cautionTitle);
            return {};
        }
    }
    const QString path = newSavedFilePath(sheets.first().baseName, QStringLiteral("xlsx"));
    try {
        if (!writeWorkbook(path, sheets)) {
            msg::warning(QStringLiteral("Excel을 실행할수 없읍니다!!!....."), cautionTitle);
            return {};
        }
    } catch (const OutputRefused &refused) {
        msg::warning(refused.message(), cautionTitle);
        return {};
    }
    msg::information(QStringLiteral("Excel로 이전되었읍니다...."), QStringLiteral("메시지"));
    if (!openSavedFile(path))
        msg::warning(QStringLiteral("스프레드시트 프로그램을 열 수 없습니다. 파일은 저장되었습니다:") + LB + path,
                     cautionTitle);
    return path;
}

} // namespace zedur
