#include "TestBooks.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result run(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A user of its own, so that the program's lock it takes or finds is its own.
    env.insert("USER", QStringLiteral("zedur-cli-import-test-%1").arg(QCoreApplication::applicationPid()));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZEDUR_CLI), args);
    if (!p.waitForFinished(60000))
        qFatal("zedur-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

void writeText(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(text.toUtf8());
}

} // namespace

// zedur-cli import: every refused row on standard output, nothing written unless all rows pass.
class CliImportTest : public QObject
{
    Q_OBJECT
private slots:
    void checkThenImport()
    {
        TestBooks books;
        const QString file = books.dir() + "products.csv";
        writeText(file, QStringLiteral("제품코드,제품명\r\nP100,철제선반\r\nP-2,의자\r\n"));
        const QStringList base{"--db", books.location(), "import", "products", file};

        const Result refused = run(base);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.out.contains(
                     QStringLiteral("오류    시트 'products' 3행 '제품코드' 열: 코드에는 영문자와 숫자만 쓸 "
                                    "수 있습니다: P-2")),
                 qPrintable(refused.out));
        QVERIFY(refused.out.contains(QStringLiteral("가져오지 않았습니다: 장부는 바뀌지 않았습니다.")));
        QCOMPARE(books.db().count("Select * From MC_JeyPumCode"), 0);

        writeText(file, QStringLiteral("제품코드,제품명\r\nP100,철제선반\r\nP2,의자\r\n"));
        const Result checked = run(base + QStringList{"--check"});
        QCOMPARE(checked.exitCode, 0);
        QVERIFY(checked.out.contains(QStringLiteral("점검 완료: 오류가 없습니다 (쓴 것은 없습니다).")));
        QCOMPARE(books.db().count("Select * From MC_JeyPumCode"), 0);

        const Result imported = run(base);
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(
            imported.out.contains(QStringLiteral("제품 코드: 자료 2행 (추가 2, 수정 0, 같음 0, 오류 0행), 오류 0건")),
            qPrintable(imported.out));
        QCOMPARE(books.db().count("Select * From MC_JeyPumCode"), 2);
    }

    void wrongUse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown kind") << QStringList{"import", "stock", "a.xlsx"}
                                      << "알 수 없는 가져오기 종류입니다: stock";
        QTest::newRow("no file") << QStringList{"import", "trees"} << "import 명령에는 종류와 파일이 있어야 합니다.";
        QTest::newRow("check elsewhere") << QStringList{"status", "--check"}
                                         << "--check와 --update는 import 명령에만 쓸 수 있습니다.";
    }
    void wrongUse()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Result r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(CliImportTest)
#include "tst_cliimport.moc"
