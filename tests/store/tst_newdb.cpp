#include "BothEngines.h"
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

// Where new books go: a file in a temporary folder, or a new, empty database on the tests'
// server when the test runs on PostgreSQL.
class Place
{
public:
    explicit Place(const QString &file = QStringLiteral("ZedUr_DB.mdb"))
    {
        if (test::testEngine() == Engine::Postgres) {
            m_server = std::make_unique<test::ServerDatabase>();
            m_location = m_server->location();
        } else {
            m_location = m_dir.path() + u'/' + file;
        }
    }
    const QString &location() const { return m_location; }
    bool isFile() const { return !m_server; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<test::ServerDatabase> m_server;
    QString m_location;
};

bool holdsBooks(const QString &location)
{
    try {
        Db::open(location);
        return true;
    } catch (const StoreError &) {
        return false;
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
        if (test::testEngine() != Engine::Sqlite)
            QSKIP("a file; booksThereAlreadyAreKept covers the server");
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

    void booksThereAlreadyAreKept_data()
    {
        QTest::addColumn<bool>("throughTheTool");
        QTest::newRow("function") << false;
        QTest::newRow("tool") << true;
    }
    void booksThereAlreadyAreKept()
    {
        QFETCH(bool, throughTheTool);
        const Place place;
        makeExisting(place.location(), Existing::Books);
        if (throughTheTool)
            QCOMPARE(runTool({place.location(), "2006-01"}), 1);
        else
            QVERIFY_THROWS_EXCEPTION(StoreError, createDatabase(place.location(), {"2006", "01"}, audit));
        auto db = Db::open(place.location());
        QCOMPARE(db->count("SELECT * FROM MC_WonJaJeyCode"), 1);
        QCOMPARE(db->scalar("SELECT YM_Year || YM_Month FROM MC_YearMonthCheck WHERE YM_Kubun = '미마감'").toString(),
                 QStringLiteral("200504"));
    }

    void anEmptyServerDatabaseIsNotTheBooks()
    {
        if (test::testEngine() != Engine::Postgres)
            QSKIP("a server database");
        const Place place;
        QVERIFY_THROWS_EXCEPTION(StoreError, Db::open(place.location()));
        // Nor is the address of a database that is not there.
        QVERIFY_THROWS_EXCEPTION(StoreError, Db::open(place.location() + QStringLiteral("_missing")));
    }

    void theToolMakesNewBooks_data()
    {
        QTest::addColumn<bool>("asOption");
        QTest::newRow("location") << false;
        QTest::newRow("--db location") << true;
    }
    void theToolMakesNewBooks()
    {
        QFETCH(bool, asOption);
        const Place place(QStringLiteral("Access_Db/ZedUr_DB.mdb"));
        const QString path = place.location();
        QCOMPARE(runTool(asOption ? QStringList{"--db", path, "2006-01"} : QStringList{path, "2006-01"}), 0);
        auto db = Db::open(path);
        QCOMPARE(db->scalar("SELECT YM_Year || YM_Month FROM MC_YearMonthCheck WHERE YM_Kubun = '미마감'").toString(),
                 QStringLiteral("200601"));
    }

    void aMonthOfAnotherShapeMakesNothing()
    {
        const Place place;
        QCOMPARE(runTool({place.location(), "2006-13"}), 2);
        QVERIFY(!QFile::exists(place.location()));
        QVERIFY(!holdsBooks(place.location()));
    }

    void aFailureAfterTheFileWasMadeRemovesIt()
    {
        const Place place;
        const QString path = place.location();
        // A year that does not fit its four-character column fails the last step.
        QVERIFY_THROWS_EXCEPTION(StoreError, createDatabase(path, {"20061", "01"}, audit));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(path + "-wal"));
        QVERIFY(!holdsBooks(path));
        // Nothing half made stands in the way of the next try.
        createDatabase(path, {"2006", "01"}, audit);
        QVERIFY(holdsBooks(path));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(NewDatabaseTest)
#include "tst_newdb.moc"
