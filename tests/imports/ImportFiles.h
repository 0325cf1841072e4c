#pragma once

#include "common/Workbook.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QFile>
#include <QString>
#include <zip.h>

// Files to import, written the ways a user's files come: the program's own export, a hand-made
// workbook, CSV text.
namespace zedur::test {

// The product tree the import tests' books start with: the shelf P100 made of two units of
// steel ST01 (both codes already in the books).
inline void addShelfTree(Db &db)
{
    TreeNodeValues root;
    root.code = "P100";
    root.name = "철제선반";
    root.kubun = kTreeProductKind;
    root.check01 = "P100";
    insertTreeNode(db, 0, root);
    TreeNodeValues steel;
    steel.level = 1;
    steel.code = "ST01";
    steel.name = "냉연강판";
    steel.kubun = kTreeRawMaterialKind;
    steel.suKg = 2;
    steel.check01 = "P100";
    insertTreeNode(db, 1, steel);
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

// One sheet as the export writes it: titles, then rows.
inline ExportSheet sheetOf(const QString &name, const QStringList &titles, const QVector<QVector<QVariant>> &rows)
{
    ExportSheet s;
    s.sheetName = name;
    s.titles = titles;
    s.rows = rows;
    return s;
}

inline void writeXlsx(const QString &path, const QVector<ExportSheet> &sheets)
{
    if (!writeWorkbook(path, sheets))
        qFatal("cannot write %s", qPrintable(path));
}

// A workbook of one sheet whose XML is given as it is: what no writer would make.
inline void writeHandMadeXlsx(const QString &path, const QByteArray &sheetData)
{
    const QList<QPair<const char *, QByteArray>> parts{
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"_rels/.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
         "<sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml",
         "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<sheetData>" +
             sheetData + "</sheetData></worksheet>"}};
    zipFile zip = zipOpen(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    for (const auto &[name, data] : parts) {
        zipOpenNewFileInZip(zip, name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(zip, data.constData(), unsigned(data.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

// Every row of every base table, in order: what "nothing was written" compares.
inline QString booksSnapshot(Db &db)
{
    QString out;
    for (const TableDef &t : schema::baseTables()) {
        const ResultSet rs = db.query(QStringLiteral("Select * From %1 Order By 1").arg(t.name));
        out += t.name + QStringLiteral(": %1\n").arg(rs.size());
        for (const auto &row : rs.rows())
            for (const QVariant &v : row)
                out += v.toString() + u'|';
        out += u'\n';
    }
    return out;
}

} // namespace zedur::test
