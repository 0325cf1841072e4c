#include "MessageRecorder.h"
#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using zedur::test::MessageRecorder;

class ExportTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QStringList opened;

private slots:
    void init()
    {
        setAppDirForTesting(dir.path());
        opened.clear();
        setFileOpener([this](const QString &path) {
            opened << path;
            return true;
        });
    }
    void cleanup()
    {
        setFileOpener(nullptr);
        setAppDirForTesting(QString());
    }

    void columnNames_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "A";
        QTest::newRow("26") << 26 << "Z";
        QTest::newRow("27") << 27 << "AA";
        QTest::newRow("52") << 52 << "AZ";
        QTest::newRow("53") << 53 << "BA";
        QTest::newRow("104") << 104 << "CZ";
    }
    void columnNames()
    {
        QFETCH(int, n);
        QFETCH(QString, name);
        QCOMPARE(excelColumnName(n), name);
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("text");
        QTest::newRow("never run") << false << "DataSet이 활성화되지 않았읍니다!!!....";
        QTest::newRow("no rows") << true << "Data가 없읍니다!!!.....";
    }
    void refusals()
    {
        QFETCH(bool, open);
        QFETCH(QString, text);
        MessageRecorder messages;
        ExportSheet sheet;
        sheet.open = open;
        sheet.titles = {"코드"};
        QVERIFY(pExcelExport(sheet).isEmpty());
        QCOMPARE(messages.texts(), QStringList{text});
        QCOMPARE(messages.messages.first().title, QStringLiteral("주의"));
        QVERIFY(opened.isEmpty());
        QVERIFY(QDir(dir.path() + "/Data_Save").entryList({"*.xlsx"}).isEmpty());
    }

    void writesFileTellsAndOpens()
    {
        MessageRecorder messages;
        ResultSet rs({"Won_Code", "Won_Name", "Won_DanGa"},
                     {{"A01", "강판 '냉연'", 1234.5}, {"    B02  ", "볼트", 0.25}});
        const ExportSheet sheet = exportSheetOf(rs, {{"Won_Code", "원재료 코드"}, {"Won_DanGa", "원자재 단가"}});
        QCOMPARE(sheet.rows.at(0), (QVector<QVariant>{"A01", 1234.5}));

        const QString first = pExcelExport(sheet);
        const QString second = pExcelExport(sheet);
        QVERIFY(QFileInfo(first).isFile());
        QVERIFY(first.startsWith(dir.path() + "/Data_Save/"));
        QVERIFY(first != second); // each export is a new file
        QCOMPARE(opened, (QStringList{first, second}));
        QCOMPARE(messages.messages.first().title, QStringLiteral("메시지"));
        QCOMPARE(messages.messages.first().text, QStringLiteral("Excel로 이전되었읍니다...."));

        // The workbook is a zip whose sheet holds the titles as text and the numbers as numbers.
        QProcess unzip;
        unzip.start("unzip", {"-p", first, "xl/worksheets/sheet1.xml"});
        QVERIFY(unzip.waitForFinished());
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY2(xml.contains("원재료 코드") && xml.contains("원자재 단가"), qPrintable(xml));
        QVERIFY(xml.contains("<v>1234.5</v>"));
        QVERIFY(xml.contains("<v>0.25</v>"));
        QVERIFY(!xml.contains("강판"));     // not among the exported fields
        QVERIFY(xml.contains(">    B02<")); // padding goes, an indent stays
    }

    void severalListsGoIntoOneFile()
    {
        MessageRecorder messages;
        ExportSheet detail;
        detail.titles = {"구분"};
        detail.rows = {{"입고"}};
        detail.baseName = "재공품";
        detail.sheetName = "입출고 내역";
        ExportSheet summary = detail;
        summary.rows = {{"기말재고"}};
        summary.sheetName = "집계 [요약]"; // brackets cannot name a tab
        const QString path = pExcelExport(QVector<ExportSheet>{detail, summary});
        QVERIFY(QFileInfo(path).fileName().startsWith("재공품_"));
        QCOMPARE(messages.texts(), QStringList{"Excel로 이전되었읍니다...."});

        QProcess unzip;
        unzip.start("unzip", {"-p", path, "xl/workbook.xml"});
        QVERIFY(unzip.waitForFinished());
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY2(xml.contains("name=\"입출고 내역\"") && xml.contains("name=\"집계  요약\""), qPrintable(xml));

        messages.clear();
        summary.rows.clear();
        QVERIFY(pExcelExport(QVector<ExportSheet>{detail, summary}).isEmpty());
        QCOMPARE(messages.texts(), QStringList{"Data가 없읍니다!!!....."});
    }

    void unwritableFileIsReported()
    {
        MessageRecorder messages;
        ExportSheet sheet;
        sheet.titles = {"a"};
        sheet.rows = {{1}};
        sheet.baseName = "no/such/folder/x";
        QVERIFY(pExcelExport(sheet).isEmpty());
        QCOMPARE(messages.texts(), QStringList{"Excel을 실행할수 없읍니다!!!....."});
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
