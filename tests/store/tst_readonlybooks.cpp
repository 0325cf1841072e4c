#include "BothEngines.h"
#include "ClosingFixture.h"
#include "MonthGenerator.h"
#include "OrdinaryUser.h"
#include "ReadOnlyPlaces.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "entries/Receipts.h"
#include "reports/ReportCatalogue.h"
#include "reports/Ties.h"
#include "store/Backup.h"
#include "store/Books.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QDir>
#include <QTest>
#include <functional>
#include <optional>

using namespace zedur;
using namespace zedur::test;

using Action = std::function<QString(Db &)>; // the refusal's text; empty when none came
Q_DECLARE_METATYPE(Action)

// Books that may be read but not written: an archive on read-only media, a viewer's copy, a
// folder or a server role the user may only read. What changes nothing gives the same
// figures as on the books themselves; what would change them is refused before it starts,
// saying why, and leaves the books and their folder as they were.
namespace {

// Every worksheet of every report of the month, and every tie of the month, as text. A
// sheet's rows are compared as a set: a list that orders by no key at all (the direct amounts
// of the lots) comes in whatever order the server reads it.
QStringList everythingReadable(Db &db, const Period &month)
{
    QStringList out;
    for (const reports::ReportKind &kind : reports::reportCatalogue())
        for (const ExportSheet &sheet : kind.sheets(db, month)) {
            out << kind.name + u' ' + sheet.sheetName + u' ' + sheet.titles.join(u'|');
            QStringList rows;
            for (const auto &row : sheet.rows) {
                QStringList values;
                for (const QVariant &v : row)
                    values << v.toString();
                rows << values.join(u'|');
            }
            rows.sort();
            out << rows;
        }
    for (const reports::ties::Tie &t : reports::ties::verifyMonth(db, month).ties)
        out << QStringLiteral("%1 %2 %3").arg(t.what).arg(t.left, 0, 'f', 6).arg(t.right, 0, 'f', 6);
    return out;
}

// Two months: April closed, May filled and allocated.
void twoMonths(Db &db)
{
    generateBooks(db, 5, 2, MonthShape{8});
}

QString refusalOf(const Verdict &v)
{
    return v ? v->text : QString();
}

} // namespace

class ReadOnlyBooksTest : public QObject
{
    Q_OBJECT
private slots:
    void readingGivesWhatTheBooksHold_data()
    {
        QTest::addColumn<Where>("where");
        QTest::addColumn<ReadOnlyCause>("cause");
        for (const Where where : placesOn(testEngine()))
            QTest::newRow(qPrintable(placeName(where))) << where << causeOf(where);
    }

    void readingGivesWhatTheBooksHold()
    {
        QFETCH(Where, where);
        QFETCH(ReadOnlyCause, cause);
        TestBooks books;
        twoMonths(books.db());
        const QStringList april = everythingReadable(books.db(), April);
        const QStringList may = everythingReadable(books.db(), May);
        const QStringList before = picture(books.db());

        ReadOnlyPlace place(books, where);
        {
            const auto user = place.user();
            const std::unique_ptr<Db> db = place.open();
            QCOMPARE(db->readOnlyCause(), cause);
            QCOMPARE(period::theOpenPeriod(*db)->period.text(), May.text());
            QCOMPARE(everythingReadable(*db, April), april);
            QCOMPARE(everythingReadable(*db, May), may);
        }
        QCOMPARE(place.folderNow(), place.folderBefore());
        QCOMPARE(picture(books.db()), before);
    }

    // What a program that has the books open left in its log is read too.
    void theLogOfAProgramThatHasTheBooksOpenIsRead()
    {
        TestBooks books;
        if (books.db().engine() != Engine::Sqlite)
            QSKIP("a log beside a books file");
        ReadOnlyPlace place(books, Where::FolderReadOnlyWithLog, [](Db &db) { period::markRecalculation(db); });
        const auto user = place.user();
        QCOMPARE(period::theOpenPeriod(*place.open())->state, period::Recalculate);
        QCOMPARE(place.folderNow(), place.folderBefore());
    }

    // Without its index the log cannot be read where nothing may be written; the file alone
    // would show the books before their last changes.
    void aLogThatCannotBeReadRefusesTheBooksWithWhatToDo()
    {
        TestBooks books;
        if (books.db().engine() != Engine::Sqlite)
            QSKIP("a log beside a books file");
        ReadOnlyPlace place(books, Where::FolderReadOnlyWithUnreadableLog,
                            [](Db &db) { period::markRecalculation(db); });
        const auto user = place.user();
        try {
            place.open();
            QFAIL("books opened without their last changes");
        } catch (const StoreError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("ZedUr_DB.mdb-wal 파일에만 있어")), qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("쓸 수 있는 폴더로 복사")));
        }
        QCOMPARE(place.folderNow(), place.folderBefore());
    }

    void changesAreRefusedBeforeTheyStart_data()
    {
        QTest::addColumn<Where>("where");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("what");
        const QVector<std::tuple<const char *, Action, QString>> actions{
            {"allocation", [](Db &db) { return refusalOf(runAllocation(db, May).refusal); },
             QStringLiteral("배부액 계산 업데이트가")},
            {"close", [](Db &db) { return refusalOf(runMonthClose(db, May).refusal); },
             QStringLiteral("마감및이월 작업이")},
            {"entry delete",
             [](Db &db) {
                 const QString serial =
                     db.scalar("Select Min(InPut_Serial) From MC_WonJaJeyInPut Where InPut_Month = '05'").toString();
                 return refusalOf(receipts::deleteReceipt(db, May, serial));
             },
             rowChangesWording},
            {"initialisation",
             [](Db &db) {
                 initialiseBooks(db, May, TestBooks::fixedAudit());
                 return QString();
             },
             initialisationWording},
        };
        for (const Where where : placesOn(testEngine()))
            for (const auto &[name, action, what] : actions)
                QTest::addRow("%s, %s", name, qPrintable(placeName(where))) << where << action << what;
    }

    void changesAreRefusedBeforeTheyStart()
    {
        QFETCH(Where, where);
        QFETCH(Action, action);
        QFETCH(QString, what);
        TestBooks books;
        twoMonths(books.db());
        const QStringList before = picture(books.db());
        ReadOnlyPlace place(books, where);
        {
            const auto user = place.user();
            const std::unique_ptr<Db> db = place.open();
            QString refusal;
            try {
                refusal = action(*db);
            } catch (const ReadOnlyBooks &e) {
                refusal = e.message();
            }
            QCOMPARE(refusal, readOnlyBooksWarning(causeOf(where), what));
            QVERIFY(refusal.contains(QStringLiteral("읽기 전용으로 열었으므로") + LB + what +
                                     QStringLiteral(" 불가능합니다.")));
            QCOMPARE(picture(*db), before);
        }
        QCOMPARE(place.folderNow(), place.folderBefore());
        QCOMPARE(picture(books.db()), before);
        QVERIFY(backupsOf(place.location()).isEmpty());
    }

    // A change that gets past the refusals is refused by SQLite itself, in the user's words.
    void aWriteThatSlipsThroughIsRefusedInTheUsersWords()
    {
        TestBooks books;
        if (books.db().engine() != Engine::Sqlite)
            QSKIP("the file is what refuses it");
        ReadOnlyPlace place(books, Where::AskedToRead);
        const std::unique_ptr<Db> db = place.open();
        try {
            db->exec("Update MC_YearMonthCheck Set YM_TextMemo = 'x'");
            QFAIL("a read-only connection wrote the books");
        } catch (const ReadOnlyBooks &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("장부에 쓸 수 없어 바꾸지 못했습니다")),
                     qPrintable(e.message()));
            QCOMPARE(e.className(), QStringLiteral("ReadOnlyBooks"));
        }
    }

    // Work tables are each connection's own, so older books files that still hold theirs
    // keep them untouched and out of sight.
    void olderBooksKeepTheirWorkTablesOutOfSight()
    {
        TestBooks books;
        const QString table = QStringLiteral("MC_WonJaJeyInPut_SumVw01");
        books.db().exec("Create Table MC_WonJaJeyInPut_SumVw01 (InPut_InPutSerial Text)");
        books.db().exec("Insert InTo MC_WonJaJeyInPut_SumVw01 Values ('left by an older version')");
        const std::unique_ptr<Db> other = books.connect();
        schema::recreateWorkTable(*other, table, {{"InPut_InPutSerial", ColumnType::Text, 50}}, {"InPut_InPutSerial"});
        QCOMPARE(other->scalar("Select count(*) From MC_WonJaJeyInPut_SumVw01").toInt(), 0);
        QCOMPARE(books.db().scalar("Select InPut_InPutSerial From MC_WonJaJeyInPut_SumVw01").toString(),
                 QStringLiteral("left by an older version"));
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(ReadOnlyBooksTest)
#include "tst_readonlybooks.moc"
