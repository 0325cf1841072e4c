#include "common/SpreadsheetExport.h"

#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace zedur {

namespace {

const QString cautionTitle = QStringLiteral("주의");

FileOpener &fileOpener()
{
    static FileOpener opener;
    return opener;
}

bool canWriteIn(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QTemporaryFile probe(dir + QStringLiteral("probe_XXXXXX"));
    return probe.open();
}

QString newFilePath(const QString &baseName)
{
    QString dir = dataSaveDir();
    if (!canWriteIn(dir))
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/';
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz"));
    QString path = dir + baseName + u'_' + stamp + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + baseName + u'_' + stamp + u'_' + QString::number(n) + QStringLiteral(".xlsx");
    return path;
}

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool writeWorkbook(const QString &path, const ExportSheet &sheet)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go out in order; years of rows stay small in memory
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new_opt(file.constData(), &options);
    if (!workbook)
        return false;
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);

    const int columns = int(sheet.titles.size());
    QVector<int> widths(columns, 0);
    for (int c = 0; c < columns; ++c) {
        worksheet_write_string(worksheet, 0, lxw_col_t(c), sheet.titles.at(c).toUtf8().constData(), bold);
        widths[c] = displayWidth(sheet.titles.at(c));
    }
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const auto &row = sheet.rows.at(r);
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const QVariant &v = row.at(c);
            const lxw_row_t at = lxw_row_t(r + 1);
            if (v.isNull())
                continue;
            if (isNumber(v)) {
                worksheet_write_number(worksheet, at, lxw_col_t(c), v.toDouble(), nullptr);
                widths[c] = qMax(widths[c], int(QString::number(v.toDouble(), 'f', 4).size()));
            } else {
                // Fixed-width columns pad on the right; leading blanks (the indent of an
                // account's report name) are data.
                QString text = v.toString();
                while (text.endsWith(u' '))
                    text.chop(1);
                worksheet_write_string(worksheet, at, lxw_col_t(c), text.toUtf8().constData(), nullptr);
                widths[c] = qMax(widths[c], displayWidth(text));
            }
        }
    }
    for (int c = 0; c < columns; ++c)
        worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), qMin(widths[c] + 2, 100), nullptr);
    worksheet_set_selection(worksheet, 0, 0, 0, 0);
    return workbook_close(workbook) == LXW_NO_ERROR;
}

} // namespace

ExportSheet exportSheetOf(const ResultSet &rs, const QVector<ExportField> &fields)
{
    ExportSheet sheet;
    QVector<int> indexes;
    for (const ExportField &f : fields) {
        sheet.titles << f.title;
        indexes << rs.columnIndex(f.field);
    }
    sheet.rows.reserve(rs.size());
    for (const auto &row : rs.rows()) {
        QVector<QVariant> out;
        out.reserve(indexes.size());
        for (int i : indexes)
            out << (i >= 0 ? row.at(i) : QVariant());
        sheet.rows << out;
    }
    return sheet;
}

QString excelColumnName(int n)
{
    QString name;
    while (n > 0) {
        const int rest = (n - 1) % 26;
        name.prepend(QChar(u'A' + rest));
        n = (n - 1) / 26;
    }
    return name;
}

void setFileOpener(FileOpener opener)
{
    fileOpener() = std::move(opener);
}

QString pExcelExport(const ExportSheet &sheet)
{
    if (!sheet.open) {
        msg::warning(QStringLiteral("DataSet이 활성화되지 않았읍니다!!!...."), cautionTitle);
        return {};
    }
    if (sheet.rows.isEmpty()) {
        msg::warning(QStringLiteral("Data가 없읍니다!!!....."), cautionTitle);
        return {};
    }
    const QString path = newFilePath(sheet.baseName);
    if (!writeWorkbook(path, sheet)) {
        QFile::remove(path);
        msg::warning(QStringLiteral("Excel을 실행할수 없읍니다!!!....."), cautionTitle);
        return {};
    }
    msg::information(QStringLiteral("Excel로 이전되었읍니다...."), QStringLiteral("메시지"));
    const FileOpener &opener = fileOpener();
    const bool opened = opener && opener(path);
    if (!opened)
        msg::warning(QStringLiteral("스프레드시트 프로그램을 열 수 없습니다. 파일은 저장되었습니다:") + LB + path,
                     cautionTitle);
    return path;
}

} // namespace zedur
