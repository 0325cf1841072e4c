#include "common/Workbook.h"

#include "common/OutputFile.h"
#include "common/TextNumber.h"

#include <QFile>

#include <xlsxwriter.h>

namespace zedur {

namespace {

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

// A worksheet tab takes at most 31 characters and none of []:*?/\ ; names are unique.
QByteArray tabName(const QString &wanted, int index, QStringList &taken)
{
    QString name = wanted;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        name.replace(c, u' ');
    name = name.trimmed().left(31);
    if (name.isEmpty() || taken.contains(name, Qt::CaseInsensitive))
        name = QStringLiteral("Sheet%1").arg(index + 1);
    taken << name;
    return name.toUtf8();
}

void writeSheet(lxw_workbook *workbook, lxw_format *bold, const ExportSheet &sheet, const QByteArray &name)
{
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, name.isEmpty() ? nullptr : name.constData());
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

bool writeWorkbook(const QString &path, const QVector<ExportSheet> &sheets)
{
    return writeOutputFile(path, spreadsheetOutput(), [&sheets](const QString &file) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // rows go out in order; years of rows stay small in memory
        const QByteArray name = QFile::encodeName(file);
        lxw_workbook *workbook = workbook_new_opt(name.constData(), &options);
        if (!workbook)
            return false;
        lxw_format *bold = workbook_add_format(workbook);
        format_set_bold(bold);
        QStringList taken;
        for (int i = 0; i < sheets.size(); ++i) {
            const ExportSheet &sheet = sheets.at(i);
            writeSheet(workbook, bold, sheet,
                       sheet.sheetName.isEmpty() ? QByteArray() : tabName(sheet.sheetName, i, taken));
        }
        return workbook_close(workbook) == LXW_NO_ERROR;
    });
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

} // namespace zedur
