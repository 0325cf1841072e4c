#include "store/Books.h"
#include "store/Db.h"
#include "store/StoreError.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

namespace {

const AuditValues audit{QStringLiteral("1234 - ABCD"), QStringLiteral("TESTHOST"), QStringLiteral("/opt/zedur/"),
                        QStringLiteral("2005-04-17 10:00:00")};

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

// What may already be at the path: a set of books with rows of its own, any other file.
enum class Existing { Books, Text, Empty };

void makeExisting(const QString &path, Existing kind)
{
    switch (kind) {
    case Existing::Books: {
        createDatabase(path, {"2005", "04"}, audit);
        auto db = Db::open(path);
        db->exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code) VALUES ('A0000000001', 'W1')");
        break;
    }
    case Existing::Text:
        write(path, "장부가 아닌 글\r\n");
        break;
    case Existing::Empty:
        write(path, {});
        break;
    }
}

int runTool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(ZEDUR_NEWDB), arguments);
    if (!p.waitForFinished(30000))
        qFatal("zedur-newdb did not finish");
    return p.exitCode();
}

} // namespace

Q_DECLARE_METATYPE(Existing)

class NewDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void whatIsAtThePathSurvivesByteForByte_data()
    {
        QTest::addColumn<Existing>("existing");
        QTest::addColumn<bool>("throughTheTool");
        for (bool tool : {false, true}) {
            const char *how = tool ? "tool" : "function";
            QTest::addRow("books, %s", how) << Existing::Books << tool;
            QTest::addRow("text file, %s", how) << Existing::Text << tool;
            QTest::addRow("empty file, %s", how) << Existing::Empty << tool;
        }
    }
    void whatIsAtThePathSurvivesByteForByte()
    {
        QFETCH(Existing, existing);
        QFETCH(bool, throughTheTool);
        QTemporaryDir dir;
        const QString path = dir.path() + "/ZedUr_DB.mdb";
        makeExisting(path, existing);
        const QByteArray before = contentOf(path);

        if (throughTheTool)
            QCOMPARE(runTool({path, "2006-01"}), 1);
        else
            QVERIFY_THROWS_EXCEPTION(StoreError, createDatabase(path, {"2006", "01"}, audit));

        QVERIFY(QFile::exists(path));
        QCOMPARE(contentOf(path), before);
    }

    void theToolMakesNewBooks()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/Access_Db/ZedUr_DB.mdb";
        QCOMPARE(runTool({path, "2006-01"}), 0);
        auto db = Db::open(path);
        QCOMPARE(db->scalar("SELECT YM_Year || YM_Month FROM MC_YearMonthCheck WHERE YM_Kubun = '미마감'").toString(),
                 QStringLiteral("200601"));
    }

    void aMonthOfAnotherShapeMakesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/ZedUr_DB.mdb";
        QCOMPARE(runTool({path, "2006-13"}), 2);
        QVERIFY(!QFile::exists(path));
    }

    void aFailureAfterTheFileWasMadeRemovesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/ZedUr_DB.mdb";
        // A year that does not fit its four-character column fails the last step.
        QVERIFY_THROWS_EXCEPTION(StoreError, createDatabase(path, {"20061", "01"}, audit));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(path + "-wal"));
    }
};

QTEST_GUILESS_MAIN(NewDatabaseTest)
#include "tst_newdb.moc"
