#include "BothEngines.h"
#include "EntryFixture.h"
#include "closing/Allocation.h"
#include "closing/MonthChecks.h"
#include "closing/MonthClose.h"
#include "entries/AmountRules.h"
#include "entries/Amounts.h"
#include "entries/EntryTransaction.h"
#include "entries/IssueViewers.h"
#include "entries/Issues.h"
#include "entries/StoredRow.h"
#include "reports/Ties.h"
#include "store/BooksLock.h"
#include "store/RowStatements.h"
#include "store/Schema.h"
#include "store/Serials.h"
#include "store/StoreError.h"

#include <QAtomicInt>
#include <QSet>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>

using namespace zedur;
using namespace zedur::test;

namespace {

// What one desk did: the serials its saves got, how many it was refused, and a failure
// other than a refusal (which ends its run).
struct DeskLog {
    QStringList saved;
    int refused = 0;
    QString failure;
};

// A desk saving receipts one after another on its own connection, as a clerk at another
// machine would: the serial shown when the row is begun, then the save.
DeskLog saveReceipts(const QString &location, int saves, QAtomicInt *savedSoFar = nullptr)
{
    DeskLog log;
    try {
        const std::unique_ptr<Db> db = Db::open(location);
        for (int i = 0; i < saves; ++i) {
            receipts::ReceiptEntry e = receiptEntry("10.0000", "100.0000", "1,000.0000");
            e.textMemo = QStringLiteral("자리 입고 %1").arg(i);
            try {
                const Checked<QString> begun = receipts::beginNewReceipt(*db, April, {});
                if (!begun.ok()) {
                    ++log.refused;
                    continue;
                }
                e.serial = begun.value;
                QString stored;
                if (receipts::saveNewReceipt(*db, {April, e, {}, {}, TestBooks::fixedAudit()}, &stored)) {
                    ++log.refused;
                    continue;
                }
                log.saved << stored;
                if (savedSoFar)
                    savedSoFar->fetchAndAddRelaxed(1);
            } catch (const Failure &f) {
                if (f.className() != u"BooksBusy")
                    throw;
                ++log.refused;
            }
        }
    } catch (const Failure &f) {
        log.failure = f.className() + QStringLiteral(": ") + f.message();
    }
    return log;
}

// A desk adding rows to a table of its own transactions through the store alone: the next
// serial, then the insert, as every screen that numbers its rows does.
DeskLog insertUnderNextSerials(const QString &location, int inserts)
{
    DeskLog log;
    try {
        const std::unique_ptr<Db> db = Db::open(location);
        for (int i = 0; i < inserts; ++i) {
            Transaction t(*db);
            const QString serial = Serial_MaxValue(*db, "MC_WonJaJeyCode", "Won_Serial");
            insertRow(*db, "MC_WonJaJeyCode", {{"Won_Serial", serial}, {"Won_Code", QStringLiteral("W%1").arg(i)}});
            t.commit();
            log.saved << serial;
        }
    } catch (const Failure &f) {
        log.failure = f.className() + QStringLiteral(": ") + f.message();
    }
    return log;
}

// A desk running on a thread of its own, with its own connection (a connection belongs to
// the thread that opened it).
class Desk
{
public:
    explicit Desk(std::function<DeskLog()> work)
        : m_thread(QThread::create([this, work = std::move(work)] { m_log = work(); }))
    {
        m_thread->start();
    }
    ~Desk() { m_thread->wait(); }
    const DeskLog &finished()
    {
        m_thread->wait();
        return m_log;
    }

private:
    DeskLog m_log;
    std::unique_ptr<QThread> m_thread;
};

int rowsOf(Db &db, const QString &table)
{
    return db.scalar(QStringLiteral("Select count(*) From %1").arg(table)).toInt();
}

} // namespace

class DesksTest : public QObject
{
    Q_OBJECT
private slots:
    void twoDesksSavingAtOnceGetDistinctSerials()
    {
        TestBooks books(April);
        const int each = 200;
        Desk first([&] { return saveReceipts(books.location(), each); });
        Desk second([&] { return saveReceipts(books.location(), each); });
        const DeskLog a = first.finished();
        const DeskLog b = second.finished();
        QCOMPARE(a.failure, QString());
        QCOMPARE(b.failure, QString());
        QCOMPARE(a.refused + b.refused, 0);

        const QSet<QString> serials(a.saved.begin(), a.saved.end());
        QCOMPARE(serials.size(), each);
        QVERIFY(!serials.intersects(QSet<QString>(b.saved.begin(), b.saved.end())));
        Db &db = books.db();
        QCOMPARE(rowsOf(db, "MC_WonJaJeyInPut"), 2 * each);
        QCOMPARE(db.scalar("Select count(DistInct InPut_Serial) From MC_WonJaJeyInPut").toInt(), 2 * each);
        // Each desk's serials count up: a serial taken by the other desk meanwhile gave way
        // to the next free one, never to an earlier one.
        for (const DeskLog *log : {&a, &b})
            for (int i = 1; i < log->saved.size(); ++i)
                QVERIFY2(log->saved[i - 1] < log->saved[i], qPrintable(log->saved[i]));
        QCOMPARE(newest(db, "MC_WonJaJeyInPut", "InPut_Serial"), serialPlus(QString(), 2 * each));
    }

    // The serials' lock itself, beside the entry saves' turn on the period row.
    void nextSerialsOfTwoDesksNeverCollide()
    {
        TestBooks books(April);
        Desk first([&] { return insertUnderNextSerials(books.location(), 200); });
        Desk second([&] { return insertUnderNextSerials(books.location(), 200); });
        QCOMPARE(first.finished().failure, QString());
        QCOMPARE(second.finished().failure, QString());
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyCode"), 400);
    }

    // The close runs while another desk saves receipts: each save goes in before the close
    // or is refused after it, none lands in the closed month unclosed, and the books tie.
    void closeWhileAnotherDeskSaves()
    {
        TestBooks books(April);
        addReceipt(books.db(), 5, 200);
        QAtomicInt savedSoFar;
        Desk clerk([&] { return saveReceipts(books.location(), 300, &savedSoFar); });
        while (savedSoFar.loadRelaxed() < 20)
            QThread::msleep(5);

        bool closed = false;
        int attempts = 0;
        const CloseOptions noBackup{false};
        while (!closed) {
            QVERIFY2(++attempts < 5000, "the close never got through");
            const RunOutcome allocated = runAllocation(books.db(), April);
            const CloseOutcome outcome = runMonthClose(books.db(), April, noBackup);
            closed = outcome.done();
            if (!closed) {
                // The only refusals a busy desk may cause: a save since the allocation, or
                // the books held too long.
                const QString text = outcome.refusal->text;
                QVERIFY2(text.contains(QStringLiteral("배부액을 재 계산 완료후에")) ||
                             text == closing::booksBusyWarning(QStringLiteral("마감및이월 작업이")),
                         qPrintable(text));
                QVERIFY(allocated.done() ||
                        allocated.refusal->text == closing::booksBusyWarning(QStringLiteral("배부액 계산 업데이트가")));
            }
        }
        const DeskLog log = clerk.finished();
        QCOMPARE(log.failure, QString());
        QCOMPARE(log.saved.size() + log.refused, 300);

        Db &db = books.db();
        // Every save is there, and every one of them in the closed month was closed with it.
        QCOMPARE(
            db.scalar("Select count(*) From MC_WonJaJeyInPut Where InPut_Year = '2005' And InPut_Month = '04'").toInt(),
            log.saved.size() + 1);
        QCOMPARE(db.scalar("Select count(*) From MC_WonJaJeyInPut Where InPut_Year = '2005' And InPut_Month = '04' "
                           "And InPut_Check_01 <> '마감완료'")
                     .toInt(),
                 0);
        QCOMPARE(db.scalar("Select count(*) From MC_WonJaJeyInPut Where InPut_Month = '05'").toInt(),
                 log.saved.size() + 1);
        const reports::ties::Verification v = reports::ties::verifyMonth(db, April);
        for (const reports::ties::Tie &tie : v.ties)
            QVERIFY2(tie.holds(), qPrintable(tie.what));
        QVERIFY(!v.ties.isEmpty());
    }

    // A save while another desk allocates or closes waits for it a bounded time, then is
    // refused with the message and leaves nothing behind.
    void entrySaveWhileTheBooksAreHeldIsRefused()
    {
        TestBooks books(April);
        markOpenMonthAllocated(books.db());
        const std::unique_ptr<Db> closingDesk = books.connect();
        {
            Transaction run(*closingDesk);
            const BooksHold hold = holdBooks(*closingDesk, BooksUse::Run);
            bool refused = false;
            try {
                addReceipt(books.db(), 1, 1);
            } catch (const Failure &f) {
                refused = true;
                QCOMPARE(f.className(), QStringLiteral("BooksBusy"));
                QCOMPARE(f.message(), booksBusyForEntryText());
            }
            QVERIFY(refused);
        }
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyInPut"), 0);
        QCOMPARE(openMonthState(books.db()), QStringLiteral("미마감"));
        addReceipt(books.db(), 1, 1); // the run is over: saves go in again
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyInPut"), 1);
    }

    // The allocation and the close started while another desk is saving wait for it a
    // bounded time, then refuse and change nothing.
    void runsWhileAnEntryIsSavedAreRefused()
    {
        TestBooks books(April);
        markOpenMonthAllocated(books.db());
        const std::unique_ptr<Db> entryDesk = books.connect();
        {
            EntryTransaction saving(*entryDesk);
            const RunOutcome allocated = runAllocation(books.db(), April);
            QVERIFY(!allocated.done());
            QCOMPARE(allocated.refusal->text, closing::booksBusyWarning(QStringLiteral("배부액 계산 업데이트가")));
            const CloseOutcome closed = runMonthClose(books.db(), April, CloseOptions{false});
            QVERIFY(!closed.done());
            QCOMPARE(closed.refusal->text, closing::booksBusyWarning(QStringLiteral("마감및이월 작업이")));
        }
        QCOMPARE(openMonthState(books.db()), QStringLiteral("미마감"));
        QVERIFY(runMonthClose(books.db(), April, CloseOptions{false}).done());
    }

    // Another program holding the books (a sqlite3 shell in a write transaction, a server
    // session locking the period table) is neither an allocation nor an entry save: the
    // refusals say the books are busy without naming a cause, and change nothing.
    void aRefusalNamesNoCauseItDoesNotKnow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("entry save") << "save" << booksInUseText();
        QTest::newRow("allocation") << "allocate"
                                    << closing::booksInUseWarning(QStringLiteral("배부액 계산 업데이트가"));
    }

    void aRefusalNamesNoCauseItDoesNotKnow()
    {
        QFETCH(QString, action);
        QFETCH(QString, refusal);
        TestBooks books(April);
        markOpenMonthAllocated(books.db());
        const std::unique_ptr<Db> otherProgram = books.connect();
        {
            // Outside the program's own rules: no hold of the books, only the engine's locks.
            Transaction locked(*otherProgram);
            if (otherProgram->engine() == Engine::Postgres)
                otherProgram->exec("LOCK TABLE MC_YearMonthCheck IN EXCLUSIVE MODE");
            QString refused;
            if (action == u"save") {
                try {
                    addReceipt(books.db(), 1, 1);
                } catch (const Failure &f) {
                    QCOMPARE(f.className(), QStringLiteral("BooksBusy"));
                    refused = f.message();
                }
            } else {
                const RunOutcome allocated = runAllocation(books.db(), April);
                QVERIFY(!allocated.done());
                refused = allocated.refusal->text;
            }
            QCOMPARE(refused, refusal);
        }
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyInPut"), 0);
        QCOMPARE(openMonthState(books.db()), QStringLiteral("미마감"));
    }

    // While another desk holds a stored row for its change, a delete here cannot slip in
    // between: it waits, gives up, and the row stays.
    void aStoredRowBeingChangedElsewhereIsNotDeleted()
    {
        TestBooks books(April);
        const QString serial = addReceipt(books.db(), 2, 50);
        const std::unique_ptr<Db> otherDesk = books.connect();
        {
            Transaction changing(*otherDesk);
            const StoredRow held = readStoredRow(*otherDesk, RowRule{entryTables::Receipts}, serial, April);
            QVERIFY(held.found());
            QVERIFY_THROWS_EXCEPTION(Failure, receipts::deleteReceipt(books.db(), April, serial));
        }
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyInPut"), 1);
        QVERIFY(!receipts::deleteReceipt(books.db(), April, serial));
        QCOMPARE(rowsOf(books.db(), "MC_WonJaJeyInPut"), 0);
    }

    void everySaveAndDeleteMarksTheMonth_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("receipt saved") << 0;
        QTest::newRow("receipt changed") << 1;
        QTest::newRow("receipt deleted") << 2;
        QTest::newRow("issue into a lot") << 3;
        QTest::newRow("lot deleted in the viewer") << 4;
        QTest::newRow("transfer deleted in the viewer") << 5;
        QTest::newRow("amount saved") << 6;
    }
    // Another desk may have allocated the month since this screen was opened: every entry
    // action marks it again, in its own transaction.
    void everySaveAndDeleteMarksTheMonth()
    {
        QFETCH(int, action);
        TestBooks books(April);
        Db &db = books.db();
        const QString receipt = addReceipt(db, 10, 100);
        QVERIFY(!issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "4")));
        QVERIFY(!issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Transfer, "1")));
        const QString lot = newest(db, "MC_JeyGongPumInPut", "Gong_Serial");
        const QString transfer = newest(db, "MC_WonJaJeyInPut_TaAc", "TaInPut_Serial");
        const QString unused = addReceipt(db, 3, 100);
        markOpenMonthAllocated(db);

        Verdict refused;
        switch (action) {
        case 0:
            addReceipt(db, 1, 1);
            break;
        case 1: {
            receipts::ReceiptEntry e = receiptEntry("3.0000", "120.0000", "360.0000");
            e.serial = unused;
            refused = receipts::saveChangedReceipt(db, {April, e, {}, {}, TestBooks::fixedAudit()});
            break;
        }
        case 2:
            refused = receipts::deleteReceipt(db, April, unused);
            break;
        case 3:
            refused = issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "2"));
            break;
        case 4:
            refused = issues::deleteLot(db, April, lot);
            break;
        case 5:
            refused = issues::deleteTransfer(db, April, transfer);
            break;
        case 6: {
            amounts::AmountEntry e;
            e.serial = amounts::beginNewAmount(db, April, "").value;
            e.day = "25";
            e.acCode = "40403001";
            e.acName = "임금";
            e.groupAcName = amounts::groupAccountName("노무비(제)/임금", "임금");
            e.kind = amounts::Indirect;
            e.lotBox = amounts::CommonLot;
            e.textMemo = "4월 급여";
            e.amount = "1,500,000.00";
            refused = amounts::saveNewAmount(db, {April, e, "", TestBooks::fixedAudit()});
            break;
        }
        }
        QVERIFY2(!refused, refused ? qPrintable(refused->text) : "");
        QCOMPARE(openMonthState(db), period::Recalculate);
    }

    // Each desk (and each screen) fills its own lists and reports: a desk refilling a work
    // table neither empties nor adds to another desk's, and the books themselves hold none of
    // them.
    void workTablesAreEachDesksOwn()
    {
        TestBooks books(April);
        const QString table = QStringLiteral("MC_WonJaJeyInPut_SumVw01");
        const QVector<ColumnDef> columns{{"InPut_InPutSerial", ColumnType::Text, 50}};
        const std::unique_ptr<Db> other = Db::open(books.location());
        schema::recreateWorkTable(books.db(), table, columns, {"InPut_InPutSerial"});
        books.db().exec("Insert InTo MC_WonJaJeyInPut_SumVw01 Values ('A0000000001')");
        schema::recreateWorkTable(*other, table, columns, {"InPut_InPutSerial"});
        other->exec("Insert InTo MC_WonJaJeyInPut_SumVw01 Values ('B0000000001'), ('B0000000002')");
        QCOMPARE(rowsOf(books.db(), table), 1);
        QCOMPARE(rowsOf(*other, table), 2);
        schema::recreateWorkTable(*other, table, columns);
        QCOMPARE(rowsOf(books.db(), table), 1);
        QVERIFY(!books.db().hasTable(table));
    }

    void aRefusedSaveLeavesTheMarkAlone()
    {
        TestBooks books(April);
        Db &db = books.db();
        const QString receipt = addReceipt(db, 10, 100);
        QVERIFY(!issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "4")));
        markOpenMonthAllocated(db);
        // Drawn on by a lot: the delete is refused, and the month stays allocated.
        QVERIFY(receipts::deleteReceipt(db, April, receipt));
        QCOMPARE(openMonthState(db), period::Open);
    }
};

ZEDUR_TEST_ON_BOTH_ENGINES(DesksTest)

#include "tst_desks.moc"
