#include "reports/ui/ReportPrinting.h"

#include "common/Messages.h"
#include "common/OutputFile.h"
#include "common/SavedFiles.h"
#include "common/ui/Screen.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zedur {

void previewReport(QWidget *parent, const reports::ReportPages &pages)
{
    QPrinter printer(QPrinter::HighResolution);
    reports::setReportPage(printer);
    printer.setDocName(pages.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(pages.title + QStringLiteral(" 인쇄 미리보기"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter *device) { reports::paintReport(*device, pages); });
    preview.exec();
}

void saveReportPdf(const reports::ReportPages &pages, const QString &baseName)
{
    const QString path = newSavedFilePath(baseName, QStringLiteral("pdf"));
    {
        BusyCursor busy;
        try {
            if (!reports::writeReportPdf(path, pages)) {
                msg::warning(QStringLiteral("PDF 화일을 저장할 수 없습니다.") + LB + path, QStringLiteral("주의"));
                return;
            }
        } catch (const OutputRefused &refused) {
            msg::warning(refused.message(), QStringLiteral("주의"));
            return;
        }
    }
    msg::information(QStringLiteral("PDF 화일로 저장되었읍니다....") + LB + path, QStringLiteral("메시지"));
    if (!openSavedFile(path))
        msg::warning(QStringLiteral("PDF를 볼 수 있는 프로그램을 열 수 없습니다. 화일은 저장되었습니다:") + LB + path,
                     QStringLiteral("주의"));
}

} // namespace zedur
