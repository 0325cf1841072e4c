#include "BothEngines.h"
#include "TestBooks.h"
#include "common/SystemInfo.h"
#include "store/Books.h"
#include "store/Schema.h"
#include "store/Serials.h"
#include "store/StoreError.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

namespace {
// "table (column, ...)" of an index as the engine's own catalogue describes it, in lower case.
QString indexedAs(Db &db, const QString &index)
{
    const QString definition =
        db.engine() == Engine::Sqlite
            ? db.scalar("SELECT sql FROM sqlite_master WHERE type = 'index' AND name = :n", {{":n", index}}).toString()
            : db.scalar("SELECT indexdef FROM pg_indexes WHERE indexname = lower(:n)", {{":n", index}}).toString();
    static const QRegularExpression on(QStringLiteral(" ON (?:\\S+\\.)?(\\S+)(?: USING \\w+)? \\((.*)\\)$"));
    const QRegularExpressionMatch m = on.match(definition);
    return m.hasMatch() ? (m.captured(1) + " (" + m.captured(2) + ")").toLower() : definition;
}

// Books in a file of their own, whatever engine the test books are on.
bool onFileBooksOnly()
{
    return test::testEngine() == Engine::Sqlite;
}
} // namespace

class SchemaTest : public QObject
{
    Q_OBJECT
private slots:
    void tablesHaveTheirColumnsInOrder_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("raw materials") << "MC_WonJaJeyCode" << 18 << "Won_Serial"
                                       << "Won_SaveDate";
        QTest::newRow("products") << "MC_JeyPumCode" << 17 << "Jey_Serial"
                                  << "Jey_SaveDate";
        QTest::newRow("trees") << "MC_JeyPumTreeWonJaJey" << 18 << "Tr_Index"
                               << "Tr_Check05";
        QTest::newRow("accounts") << "MC_AcNameCode" << 20 << "Ac_Serial"
                                  << "Ac_SaveDate";
        QTest::newRow("receipts") << "MC_WonJaJeyInPut" << 27 << "InPut_Serial"
                                  << "InPut_InPutSerial";
        QTest::newRow("receipt transfers") << "MC_WonJaJeyInPut_TaAc" << 27 << "TaInPut_Serial"
                                           << "TaInPut_InPutSerial";
        QTest::newRow("lots") << "MC_JeyGongPumInPut" << 42 << "Gong_Serial"
                              << "Gong_GongSerial";
        QTest::newRow("lot transfers") << "MC_JeyGongPumInPut_TaAc" << 46 << "TaGong_Serial"
                                       << "TaGong_JeyPumSerial";
        QTest::newRow("completions") << "MC_ChaongGoJeyGongPumInJeyGong" << 47 << "InGong_Serial"
                                     << "InGong_JeyPumSerial";
        QTest::newRow("product receipts") << "MC_ChaongGoJeyPumInPut" << 34 << "JeyPum_Serial"
                                          << "JeyPum_JeyPumSerial";
        QTest::newRow("product transfers") << "MC_ChaongGoJeyPumInPut_TaAc" << 31 << "TaJeyPum_Serial"
                                           << "TaJeyPum_JeyPumSerial";
        QTest::newRow("shipments") << "MC_ChaongGoJeyPumInPut_ChulGo" << 31 << "ChulGo_Serial"
                                   << "BanPum_NewJeyPumSerial";
        QTest::newRow("amounts") << "MC_AcNameAmtInPut" << 19 << "Amt_Serial"
                                 << "Amt_SaveDate";
        QTest::newRow("periods") << "MC_YearMonthCheck" << 13 << "YM_Serial"
                                 << "YM_SaveDate";
    }
    void tablesHaveTheirColumnsInOrder()
    {
        QFETCH(QString, table);
        QFETCH(int, columns);
        QFETCH(QString, first);
        QFETCH(QString, last);
        test::TestBooks books;
        const QStringList names = books.db().columnNames(table);
        QCOMPARE(names.size(), columns);
        QCOMPARE(names.first().toLower(), first.toLower());
        QCOMPARE(names.last().toLower(), last.toLower());
        QCOMPARE(schema::table(table).columnNames().size(), columns);
    }

    void derivedTablesKeepTheirOwnWidthsAndDoubles()
    {
        test::TestBooks books;
        const QString insert =
            "INSERT INTO MC_JeyGongPumInPut_TaAc (TaGong_Serial, TaGong_Check_03, TaGong_JeyPumSuKg) "
            "VALUES (:s, :c, :q)";
        QVERIFY_THROWS_EXCEPTION(
            StoreError, books.db().exec(insert, {{":s", "A0000000001"}, {":c", QString(31, u'x')}, {":q", 1.0}}));
        // A double keeps every bit (a single-precision column would not).
        const double quantity = 0.1 + 0.2;
        books.db().exec(insert, {{":s", "A0000000001"}, {":c", QString(30, u'x')}, {":q", quantity}});
        QCOMPARE(books.db().scalar("SELECT TaGong_JeyPumSuKg FROM MC_JeyGongPumInPut_TaAc").toDouble(), quantity);
    }

    void codesOrderAsOnEveryEngine()
    {
        // Upper and lower case are equal, and the rest orders by code point, as SQLite's
        // NOCASE does, whatever the server's language settings.
        test::TestBooks books;
        const QStringList codes{"b-2", "A_1", "가", "a 1", "B10", "Z"};
        for (int i = 0; i < codes.size(); ++i)
            books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code) VALUES (:s, :c)",
                            {{":s", serialPlus({}, i + 1)}, {":c", codes.at(i)}});
        QStringList ordered;
        const ResultSet rs = books.db().query("SELECT Jey_Code FROM MC_JeyPumCode ORDER BY Jey_Code");
        for (int i = 0; i < rs.size(); ++i)
            ordered << rs.text(i, "Jey_Code");
        QCOMPARE(ordered, (QStringList{"a 1", "A_1", "b-2", "B10", "Z", "가"}));
        QCOMPARE(books.db().count("SELECT * FROM MC_JeyPumCode WHERE Jey_Code LIKE :c", {{":c", "b%"}}), 2);
    }

    void overLongTextIsRefused()
    {
        test::TestBooks books;
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 books.db().exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_DanWi) VALUES (:s, :u)",
                                                 {{":s", "A0000000001"}, {":u", QString(51, u'원')}}));
        books.db().exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_DanWi) VALUES (:s, :u)",
                        {{":s", "A0000000001"}, {":u", QString(50, u'원')}});
    }

    void keysCannotBeNullOrTwice()
    {
        test::TestBooks books;
        // MC_JeyPumCode's key has no Not Null mark of its own; every key is NOT NULL all the same.
        QVERIFY_THROWS_EXCEPTION(StoreError, books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Code) VALUES ('X')"));
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000001')");
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('a0000000001')"));
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 books.db().exec("INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Level) VALUES (0)"));
    }

    void quotesRoundTripAndTextIgnoresCase()
    {
        test::TestBooks books;
        const QString name = QStringLiteral("O'Neil's \"볼트\" '); DROP TABLE MC_JeyPumCode; --");
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name) VALUES (:s, :c, :n)",
                        {{":s", "A0000000001"}, {":c", "abc1"}, {":n", name}});
        QCOMPARE(
            books.db().scalar("SELECT Jey_Name FROM MC_JeyPumCode WHERE Jey_Code = :c", {{":c", "ABC1"}}).toString(),
            name);
        QCOMPARE(books.db().count("SELECT * FROM MC_JeyPumCode WHERE Jey_Name LIKE :n", {{":n", "%'%"}}), 1);
    }

    void nullTextIsStoredAsEmptyText()
    {
        test::TestBooks books;
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Bigo) VALUES ('A0000000001', :b)",
                        {{":b", QString()}});
        QCOMPARE(books.db().count("SELECT * FROM MC_JeyPumCode WHERE Jey_Bigo = ''"), 1);
    }

    void misspelledParameterIsAnError()
    {
        test::TestBooks books;
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES (:tbSerial)",
                                                 {{":tbserial_typo", "A0000000001"}}));
    }

    void linkAndPeriodColumnsAreIndexed()
    {
        test::TestBooks books;
        const QStringList names = books.db().indexNames();
        for (const char *expected :
             {"IX_MC_JeyGongPumInPut_Gong_InPutSerial", "IX_MC_JeyGongPumInPut_Period",
              "IX_MC_ChaongGoJeyGongPumInJeyGong_InGong_GongSerial", "IX_MC_AcNameAmtInPut_Amt_JeyGongPumSerial",
              "IX_MC_AcNameAmtInPut_Amt_AcCode", "IX_MC_JeyPumTreeWonJaJey_Tr_Code",
              "IX_MC_ChaongGoJeyPumInPut_ChulGo_ChulGo_JeyPumSerial", "IX_MC_YearMonthCheck_Period",
              "IX_MC_ChaongGoJeyPumInPut_ChulGo_BanPum_ChulGoSerial",
              "IX_MC_ChaongGoJeyPumInPut_ChulGo_BanPum_ChulGoJeyPumSerial",
              "IX_MC_ChaongGoJeyPumInPut_ChulGo_BanPum_NewJeyPumSerial",
              "IX_MC_ChaongGoJeyPumInPut_BanPum_ChulGoSerial", "IX_MC_ChaongGoJeyPumInPut_BanPum_NewChulGoSerial"})
            QVERIFY2(names.contains(expected, Qt::CaseInsensitive), expected);
    }

    void booksMadeBeforeAnIndexGainItWhenOpened()
    {
        if (!onFileBooksOnly())
            QSKIP("books made by an older program are files");
        QTemporaryDir dir;
        const QString path = dir.path() + "/ZedUr_DB.mdb";
        createDatabase(path, {"2005", "04"}, test::TestBooks::fixedAudit());
        const QString index = "IX_MC_WonJaJeyInPut_WonCode_Date";
        const auto indexed = [&](Db &db) {
            return db.count("SELECT * FROM sqlite_master WHERE type = 'index' AND name = :n", {{":n", index}}) == 1;
        };
        {
            // The books as an older program left them, never opened by this one.
            QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "older");
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QVERIFY(QSqlQuery(raw).exec("DROP INDEX " + index));
            raw.close();
        }
        QSqlDatabase::removeDatabase("older");
        auto db = Db::open(path);
        QVERIFY(indexed(*db));
        // Looked at once per file: the next screen's connection does not look again.
        db->exec("DROP INDEX " + index);
        auto next = Db::open(path);
        QVERIFY(!indexed(*next));
        QCOMPARE(schema::addMissingIndexes(*next), 1);
        QCOMPARE(schema::addMissingIndexes(*next), 0);
        QVERIFY(indexed(*db));
    }

    // An index is looked for on its own table, not by its name alone: one of that name on
    // another table, or on other columns, is made again where it belongs, by the upkeep at
    // opening and by an initialisation, and one found in the wrong place is logged.
    void everyIndexEndsUpOnItsOwnTable_data()
    {
        QTest::addColumn<QString>("found"); // what carries the index's name beforehand
        QTest::addColumn<QString>("mend");  // open: the upkeep at opening; initialise
        QTest::addColumn<bool>("logged");
        QTest::newRow("missing, at opening") << QString() << "open" << false;
        QTest::newRow("on another table, at opening") << "MC_WonJaJeyInPut (InPut_WonCode)"
                                                      << "open" << true;
        QTest::newRow("on other columns, at opening") << "MC_JeyGongPumInPut (Gong_Year)"
                                                      << "open" << true;
        QTest::newRow("on another table, at initialising") << "MC_WonJaJeyInPut (InPut_WonCode)"
                                                           << "initialise" << false;
    }

    void everyIndexEndsUpOnItsOwnTable()
    {
        QFETCH(QString, found);
        QFETCH(QString, mend);
        QFETCH(bool, logged);
        test::TestBooks books;
        Db &db = books.db();
        const QString index = "IX_MC_JeyGongPumInPut_Gong_InPutSerial";
        db.exec("DROP INDEX " + index);
        if (!found.isEmpty())
            db.exec(QString("CREATE INDEX %1 ON %2").arg(index, found));
        if (mend == u"open") {
            QCOMPARE(schema::addMissingIndexes(db), 1);
            QCOMPARE(schema::addMissingIndexes(db), 0);
        } else {
            initialiseBooks(db, {"2005", "04"}, test::TestBooks::fixedAudit());
        }
        QCOMPARE(indexedAs(db, index), QStringLiteral("mc_jeygongpuminput (gong_inputserial)"));
        QFile log(errorLogPath());
        const QString logText = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        QCOMPARE(
            logText.contains(index + ": 표 MC_JeyGongPumInPut (Gong_InPutSerial)의 색인이 다른 표나 열에 있었습니다"),
            logged);
    }

    void transactionIsAllOrNothing()
    {
        test::TestBooks books;
        Db &db = books.db();
        try {
            Transaction t(db);
            db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000001')");
            {
                Transaction inner(db);
                db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000002')");
                inner.commit();
            }
            db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000001')"); // duplicate key
            t.commit();
        } catch (const StoreError &) {
        }
        QCOMPARE(db.count("SELECT * FROM MC_JeyPumCode"), 0);
    }

    void onlyTheBooksAreOpenedAndNothingElseIsWritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("foreignTable"); // a database of another program
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("text") << QByteArray(4096, 'x') << QString();
        QTest::newRow("another database") << QByteArray() << QStringLiteral("Customers");
    }
    void onlyTheBooksAreOpenedAndNothingElseIsWritten()
    {
        if (!onFileBooksOnly())
            QSKIP("a file; tst_newdb covers the empty server database");
        QFETCH(QByteArray, content);
        QFETCH(QString, foreignTable);
        QTemporaryDir dir;
        const QString path = dir.path() + "/ZedUr_DB.mdb";
        if (foreignTable.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        } else {
            auto other = Db::create(path);
            other->exec(QStringLiteral("CREATE TABLE %1 (Name TEXT)").arg(foreignTable));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        QVERIFY_THROWS_EXCEPTION(StoreError, Db::open(path));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(!QFile::exists(path + "-wal"));
    }

    void openingNeverCreatesAFile()
    {
        if (!onFileBooksOnly())
            QSKIP("a file");
        QVERIFY_THROWS_EXCEPTION(StoreError, Db::open("/tmp/no-such-folder-zedur/ZedUr_DB.mdb"));
        QVERIFY(!QFile::exists("/tmp/no-such-folder-zedur/ZedUr_DB.mdb"));
    }

    void secondConnectionSeesCommittedRows()
    {
        test::TestBooks books;
        auto other = books.connect();
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000001')");
        QCOMPARE(other->count("SELECT * FROM MC_JeyPumCode"), 1);
    }

    void backupHoldsEveryRow()
    {
        if (!onFileBooksOnly())
            QSKIP("a file");
        test::TestBooks books;
        books.db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial) VALUES ('A0000000001')");
        const QString copy = books.dir() + "Access_Db/backup/copy.mdb";
        books.db().backupTo(copy);
        auto restored = Db::open(copy);
        QCOMPARE(restored->count("SELECT * FROM MC_JeyPumCode"), 1);
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(SchemaTest)
#include "tst_schema.moc"
