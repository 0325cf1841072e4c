#include "common/KoreanCodePage.h"
#include "common/SheetReader.h"
#include "common/Workbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <iconv.h>
#include <xlsxwriter.h>

using namespace zedur;

namespace {

struct ReadRow {
    QString sheet;
    int number;
    SheetCells cells;
};

QVector<ReadRow> readAll(const QString &path, const SheetLimits &limits = {})
{
    QVector<ReadRow> rows;
    QString sheet;
    readSpreadsheet(path,
                    {[&](const QString &name) { sheet = name; },
                     [&](int n, const SheetCells &c) {
                         rows.append({sheet, n, c});
                     }},
                    limits);
    return rows;
}

QString errorOf(const QString &path, const SheetLimits &limits = {})
{
    try {
        readAll(path, limits);
    } catch (const SheetError &e) {
        return e.message();
    }
    return {};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Text in the Korean code page, as a spreadsheet program on Windows saves it.
QByteArray cp949(const QString &text)
{
    iconv_t cd = iconv_open("CP949", "UTF-8");
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2, '\0');
    char *from = in.data();
    char *to = out.data();
    size_t fromLeft = size_t(in.size());
    size_t toLeft = size_t(out.size());
    iconv(cd, &from, &fromLeft, &to, &toLeft);
    iconv_close(cd);
    out.truncate(out.size() - qsizetype(toLeft));
    return out;
}

} // namespace

class SheetReaderTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    // A workbook as spreadsheet programs write it: texts in the shared table, numbers,
    // booleans, dates (their serial numbers), a formula's text, gaps between cells and rows.
    void xlsxCellsOfEveryKind()
    {
        const QString file = path("kinds.xlsx");
        lxw_workbook *wb = workbook_new(file.toUtf8().constData());
        lxw_worksheet *ws = workbook_add_worksheet(wb, "원자재");
        lxw_format *date = workbook_add_format(wb);
        format_set_num_format(date, "yyyy-mm-dd");
        worksheet_write_string(ws, 0, 0, "코드", nullptr);
        worksheet_write_string(ws, 0, 2, "단가", nullptr);
        worksheet_write_string(ws, 1, 0, "ST01", nullptr);
        worksheet_write_number(ws, 1, 2, 3250.125, nullptr);
        worksheet_write_boolean(ws, 1, 3, 1, nullptr);
        lxw_datetime when = {2005, 4, 17, 0, 0, 0};
        worksheet_write_datetime(ws, 1, 4, &when, date);
        worksheet_write_formula_str(ws, 1, 5, "=A2&\"X\"", nullptr, "ST01X");
        worksheet_write_string(ws, 4, 1, "냉연강판", nullptr);
        workbook_add_worksheet(wb, "빈 시트");
        QCOMPARE(workbook_close(wb), LXW_NO_ERROR);

        const QVector<ReadRow> rows = readAll(file);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).sheet, QStringLiteral("원자재"));
        QCOMPARE(rows.at(0).cells, (SheetCells{"코드", QVariant(), "단가"}));
        QCOMPARE(rows.at(1).number, 2);
        const SheetCells &c = rows.at(1).cells;
        QCOMPARE(c.at(0), QVariant("ST01"));
        QVERIFY(!c.at(1).isValid());
        QCOMPARE(c.at(2), QVariant(3250.125));
        QCOMPARE(c.at(3), QVariant(true));
        QCOMPARE(c.at(4), QVariant(38459.0)); // 2005-04-17 counted from 1899-12-30
        QCOMPARE(c.at(5), QVariant("ST01X"));
        QCOMPARE(rows.at(2).number, 5);
        QCOMPARE(rows.at(2).cells, (SheetCells{QVariant(), "냉연강판"}));
    }

    // The program's own export writes its texts inline, row after row.
    void xlsxOfTheProgramsExport()
    {
        const QString file = path("export.xlsx");
        ExportSheet first;
        first.sheetName = QStringLiteral("원자재");
        first.titles = QStringList{"원자재 코드", "단가"};
        first.rows = {{"ST01", 1.5}, {"BT10", QVariant()}};
        ExportSheet second = first;
        second.sheetName = QStringLiteral("제품");
        QVERIFY(writeWorkbook(file, {first, second}));
        const QVector<ReadRow> rows = readAll(file);
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows.at(1).cells, (SheetCells{"ST01", 1.5}));
        QCOMPARE(rows.at(2).cells, (SheetCells{"BT10"}));
        QCOMPARE(rows.at(3).sheet, QStringLiteral("제품"));
        QCOMPARE(rows.at(3).number, 1);
    }

    void csvInEitherEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral(
            "코드,이름,단가\r\nST01,\"냉연, 강판\",\"1,250.5\"\r\n똠01,\"두 줄\n\"\"따옴표\"\"\",\r\n,,\r\n");
        QTest::newRow("UTF-8") << text.toUtf8();
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        // 똠 is one of the syllables only the extended code page has.
        QTest::newRow("CP949") << cp949(text);
    }
    void csvInEitherEncoding()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path("list.csv");
        writeFile(file, bytes);
        const QVector<ReadRow> rows = readAll(file);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).sheet, QStringLiteral("list"));
        QCOMPARE(rows.at(0).cells, (SheetCells{"코드", "이름", "단가"}));
        QCOMPARE(rows.at(1).cells, (SheetCells{"ST01", "냉연, 강판", "1,250.5"}));
        QCOMPARE(rows.at(2).number, 3);
        QCOMPARE(rows.at(2).cells, (SheetCells{"똠01", "두 줄\n\"따옴표\""}));
    }

    // The C library's converter is the one that knows Windows' extended Hangul.
    void koreanCodePageAcrossPieces()
    {
        const QByteArray bytes = cp949(QStringLiteral("똠방각하 ABC 한글"));
        Cp949Decoder decoder;
        QString text;
        for (char b : bytes)
            text += decoder.decode(QByteArray(1, b));
        QVERIFY(decoder.finish());
        QCOMPARE(text, QStringLiteral("똠방각하 ABC 한글"));
        bool bad = false;
        decodeCp949(QByteArray("\xC7\xD1\xFF\xFE"), &bad);
        QVERIFY(bad);
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("picture named .xlsx")
            << "picture.xlsx" << QByteArray("\x89PNG\r\n\x1a\n0000", 12) << "스프레드시트(.xlsx) 파일이 아닙니다";
        QTest::newRow("binary named .csv")
            << "data.csv" << QByteArray("ab\0cd", 5) << "스프레드시트 파일(.xlsx, .csv)이 아닙니다";
        QTest::newRow("old workbook") << "old.xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)
                                      << "예전 엑셀 형식(.xls)";
        QTest::newRow("other file") << "notes.pdf" << QByteArray("%PDF-1.4")
                                    << "스프레드시트 파일(.xlsx, .csv)이 아닙니다";
        QTest::newRow("neither encoding")
            << "bad.csv" << QByteArray("\xFF\xFE\xFF,1\r\n") << "UTF-8도, 한글 완성형(CP949)도 아닙니다";
        QTest::newRow("open quote") << "quote.csv" << QByteArray("a,\"b\r\n") << "따옴표";
        QTest::newRow("zip without a workbook")
            << "other.xlsx" << QByteArray() << "통합 문서(workbook) 부분이 없습니다";
    }
    void unreadableFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString file = path(name);
        if (bytes.isEmpty()) { // a zip of something else
            lxw_workbook *wb = workbook_new(path("seed.xlsx").toUtf8().constData());
            workbook_add_worksheet(wb, nullptr);
            workbook_close(wb);
            QFile seed(path("seed.xlsx"));
            QVERIFY(seed.open(QIODevice::ReadOnly));
            QByteArray zip = seed.readAll();
            zip.replace("xl/workbook.xml", "xl/workbook.txt"); // the names, in the local and central headers
            writeFile(file, zip);
        } else {
            writeFile(file, bytes);
        }
        const QString error = errorOf(file);
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    // A zip cut short, or with a damaged part, is a damaged workbook, not an empty one.
    void damagedZip_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("cut at the end") << -40;
        QTest::newRow("cut in half") << 0;
        QTest::newRow("a byte changed") << 1;
    }
    void damagedZip()
    {
        QFETCH(int, cut);
        const QString good = path("good.xlsx");
        ExportSheet sheet;
        sheet.titles = QStringList{"코드"};
        for (int i = 0; i < 2000; ++i)
            sheet.rows.append({QStringLiteral("C%1").arg(i)});
        QVERIFY(writeWorkbook(good, {sheet}));
        QFile f(good);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        if (cut < 0)
            bytes.chop(-cut);
        else if (cut == 0)
            bytes.truncate(bytes.size() / 2);
        else
            bytes[bytes.indexOf("PK\x03\x04", bytes.indexOf("sheet1.xml")) - 200] ^= 0x55;
        const QString bad = path("bad.xlsx");
        writeFile(bad, bytes);
        const QString error = errorOf(bad);
        QVERIFY2(error.startsWith(QStringLiteral("손상된 .xlsx 파일입니다")), qPrintable(error));
    }

    // A small file may unpack to gigabytes: a part past its limit is refused while it is read.
    void partsPastTheirLimits()
    {
        const QString file = path("big.xlsx");
        ExportSheet sheet;
        sheet.titles = QStringList{"코드"};
        for (int i = 0; i < 5000; ++i)
            sheet.rows.append({QStringLiteral("코드%1").arg(i)});
        QVERIFY(writeWorkbook(file, {sheet}));
        SheetLimits limits;
        limits.sheetBytes = 64 * 1024;
        QVERIFY2(errorOf(file, limits).startsWith(QStringLiteral("시트가 너무 큽니다")),
                 qPrintable(errorOf(file, limits)));
        QVERIFY(errorOf(file).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SheetReaderTest)
#include "tst_sheetreader.moc"
