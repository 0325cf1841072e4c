// Kills a child process in the middle of each long action (through the store's kill hook,
// after a chosen number of statements) and checks what it leaves: a sound file holding the
// books either exactly as before the action or exactly as after it; and, for the actions that
// copy the books first, beside changed books a whole backup, and never a copy cut short taken
// for one. A restore, killed at any step, leaves the old books or the restored ones, never a
// mix of the two (a log of the old books read into the restored file) nor a damaged file.
//
// The test program is its own child: "--child ACTION FILE" runs one action on FILE.

#include "../entries/ProductBooks.h"
#include "../entries/WipBooks.h"
#include "MonthGenerator.h"
#include "TestBooks.h"
#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "entries/Issues.h"
#include "entries/WarehouseReceipts.h"
#include "store/Backup.h"
#include "store/BackupFile.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString KillVariable = QStringLiteral("ZEDUR_TEST_KILL_AFTER_STATEMENTS");

// April 2005 with product P1 (1.5 of W1 and 1 of W2 a unit) and finished lots to complete it from.
void completableMonth(Db &db)
{
    addProduct(db, "P1", "제품A");
    addTree(db, "P1", "제품A", {{1, "W1", 1.5}, {1, "W2", 1.0}});
    addLot(db, "W1", "03", 2, 10, graded(20, 1));
    addLot(db, "W1", "05", 5, 10, graded(50, 2));
    addLot(db, "W2", "04", 10, 10, graded(100, 0.5));
}

// The actions a child runs; each is one user action.
void completeIntoWarehouse(Db &db)
{
    // What the screen does when it opens: the work tables are the connection's own.
    warehouse::recreateWorkTables(db);
    warehouse::ReceiptRequest r;
    r.shown = April;
    r.checkGridOpen = true;
    r.checked = true;
    r.productCode = QStringLiteral("P1");
    r.quantity = QStringLiteral("4");
    r.day = QStringLiteral("20");
    r.textMemo = QStringLiteral("완성 입고");
    r.audit = TestBooks::fixedAudit();
    const Checked<warehouse::ReceiptSaved> saved = warehouse::saveReceipt(db, r);
    if (!saved.ok())
        throw std::runtime_error(saved.refusal->text.toStdString());
}

// The month above with a receipt of 100 kg of W001 to issue from.
void monthWithAReceipt(Db &db)
{
    completableMonth(db);
    addReceipt(db, 100, 2.5);
}

void issueIntoProduction(Db &db)
{
    const QString receipt = newest(db, "MC_WonJaJeyInPut", "InPut_Serial");
    if (issues::saveIssue(db, issueRequest(receipt, issues::IssueKind::Lot, "40")))
        throw std::runtime_error("issue refused");
}

// A sale of April taken back in May, April closed: two rows naming each other.
void monthWithASaleBefore(Db &db)
{
    aprilSaleOfTen(db);
}

void takeBackASale(Db &db)
{
    const QString sale = newest(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Serial");
    if (salesreturns::saveReturn(db, returnRequest(sale, "-3")))
        throw std::runtime_error("return refused");
}

// As the initialisation screen does it: the books copied first, then started afresh.
void initialise(Db &db)
{
    writeBackup(db, {BackupReason::Initialisation, {}});
    initialiseBooks(db, May, TestBooks::fixedAudit());
}

// Two generated months, small enough for a child per kill point: April closed, May filled
// (and allocated, ready for the close, when `allocated`).
void generatedMonths(Db &db, bool allocated)
{
    generateBooks(db, 13, 2, MonthShape{.lots = 6}, allocated);
}

Period openMonth(Db &db)
{
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    if (!open)
        throw std::runtime_error("no open month");
    return open->period;
}

void allocate(Db &db)
{
    const RunOutcome outcome = runAllocation(db, openMonth(db));
    if (!outcome.done())
        throw std::runtime_error(outcome.refusal->text.toStdString());
}

// With its backup, as the closing screen and the command line run it.
void closeMonth(Db &db)
{
    const CloseOutcome outcome = runMonthClose(db, openMonth(db));
    if (!outcome.done())
        throw std::runtime_error(outcome.refusal->text.toStdString());
}

// As the backups screen does it once the program's connections are closed: the newest
// backup of the books restored over them.
void restoreNewest(const QString &file)
{
    PreparedRestore(file, backupsOf(file).value(0)).commit();
}

struct Action {
    const char *name;
    std::function<void(Db &)> prepare; // the books before, on fresh books of April 2005
    std::function<void(Db &)> run;
    bool backsUp = false; // copies the books before it changes them
    // A restore: the books are backed up after `prepare` and then changed by `change`; the
    // action restores that backup over them, with no connection open.
    std::function<void(Db &)> change = {};
    std::function<void(const QString &)> runOnFile = {};
};

const QVector<Action> &actions()
{
    static const QVector<Action> list = {
        {"initialise", completableMonth, initialise, true},
        {"complete into warehouse", completableMonth, completeIntoWarehouse},
        {"issue into production", monthWithAReceipt, issueIntoProduction},
        {"sales return", monthWithASaleBefore, takeBackASale},
        {"allocation", [](Db &db) { generatedMonths(db, false); }, allocate},
        {"close", [](Db &db) { generatedMonths(db, true); }, closeMonth, true},
        {"restore", [](Db &db) { generatedMonths(db, true); }, {}, true, closeMonth, restoreNewest},
    };
    return list;
}

const Action *actionNamed(const QString &name)
{
    for (const Action &a : actions())
        if (name == QLatin1String(a.name))
            return &a;
    return nullptr;
}

int runChild(const QString &name, const QString &file)
{
    const Action *action = actionNamed(name);
    if (!action)
        return 2;
    try {
        if (action->runOnFile) {
            action->runOnFile(file);
        } else {
            auto db = Db::open(file);
            action->run(*db);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

// Who saved a row, where and when differs from machine to machine: left out of the comparison.
bool isAuditColumn(const QString &column)
{
    static const QRegularExpression audit(QStringLiteral("(_SaveDate|_Check_0[345])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return audit.match(column).hasMatch();
}

QString valueText(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 17);
    return v.toString();
}

// Every table of the books, its rows in a fixed order, as text; with the file's integrity.
struct Books {
    QString integrity;
    QStringList tables;
    bool operator==(const Books &o) const { return tables == o.tables; }
};

Books readBooks(const QString &file)
{
    Books books;
    std::unique_ptr<Db> db;
    try {
        db = Db::open(file);
    } catch (const StoreError &e) {
        books.integrity = e.message(); // no longer the books at all
        return books;
    }
    QStringList problems;
    const ResultSet check = db->query(QStringLiteral("PRAGMA integrity_check"));
    for (const auto &row : check.rows())
        problems << row.first().toString();
    books.integrity = problems.join(u'\n');
    QStringList names = db->tableNames();
    names.sort();
    for (const QString &table : names) {
        const ResultSet rs = db->query(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
        QStringList rows;
        for (const auto &row : rs.rows()) {
            QStringList values;
            for (int i = 0; i < rs.columns().size(); ++i)
                if (!isAuditColumn(rs.columns().at(i)))
                    values << rs.columns().at(i) + u'=' + valueText(row.at(i));
            rows << values.join(u'|');
        }
        rows.sort();
        books.tables << table + u'\n' + rows.join(u'\n');
    }
    return books;
}

// One run of an action in a child on a fresh copy of the books; killed after `statements`
// statements unless that is 0.
struct Run {
    bool killed = false;
    bool finished = false; // ran to its end and said so
    Books books;
    QList<Books> backups;   // what each file taken for a backup of these books holds
    int copiesCutShort = 0; // left beside them, never taken for a backup
};

// The books of a backup file, as readBooks reads books.
Books readBackup(const QString &backup)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("expanded.mdb"));
    try {
        backupfile::expand(backup, file);
    } catch (const Failure &f) {
        return {f.message(), {}};
    }
    return readBooks(file);
}

// `restoring`: a backup to put beside the books first, under its own name.
Run runAction(const QString &base, const QString &workDir, const char *action, int statements,
              const QString &restoring = {})
{
    QDir(workDir).removeRecursively();
    QDir().mkpath(workDir + QStringLiteral("/backup"));
    const QString file = workDir + QStringLiteral("/ZedUr_DB.mdb");
    QFile::copy(base, file);
    if (!restoring.isEmpty())
        QFile::copy(restoring, workDir + QStringLiteral("/backup/") + QFileInfo(restoring).fileName());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(KillVariable, QString::number(statements));
    child.setProcessEnvironment(env);

    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), QString::fromLatin1(action), file});
    Run run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.killed = child.exitStatus() == QProcess::CrashExit;
    run.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (!run.killed && !run.finished)
        qWarning("%s: %s", action, child.readAllStandardError().constData());
    run.books = readBooks(file);
    for (const QString &backup : backupsOf(file))
        run.backups << readBackup(backup);
    run.copiesCutShort = int(QDir(workDir + QStringLiteral("/backup")).entryList({QStringLiteral("*.partial")}).size());
    return run;
}

// A backup is whole when it is a sound file holding the books as they were before the action
// (or, for a restore, the backup it restores, which holds the books as they are after it).
bool backupsWhole(const Run &run, const QList<Books> &wholeStates)
{
    for (const Books &backup : run.backups)
        if (backup.integrity != u"ok" || !wholeStates.contains(backup))
            return false;
    return true;
}

bool hasBackupOf(const Run &run, const Books &books)
{
    return run.backups.contains(books);
}

int killPointsTried = 0;
int halfDoneStates = 0;
int backupFaults = 0;

} // namespace

class CrashTest : public QObject
{
    Q_OBJECT
private slots:
    void interruptedActionsLeaveTheBooksBeforeOrAfter_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("killPoints"); // at most, spread over the action's statements
        for (const Action &a : actions())
            QTest::newRow(a.name) << QString::fromLatin1(a.name) << 100;
    }
    void interruptedActionsLeaveTheBooksBeforeOrAfter()
    {
        QFETCH(QString, action);
        QFETCH(int, killPoints);
        const Action *a = actionNamed(action);
        QVERIFY(a);
        QTemporaryDir dir;
        const QString base = dir.filePath("base.mdb");
        QString restoring;
        {
            TestBooks fresh;
            a->prepare(fresh.db());
            if (a->change) {
                const QString written = writeBackup(fresh.db(), {BackupReason::Initialisation, {}}).file;
                restoring = dir.filePath(QFileInfo(written).fileName());
                QVERIFY(QFile::copy(written, restoring));
                a->change(fresh.db());
            }
            fresh.db().backupTo(base);
        }
        const Books before = readBooks(base);
        QCOMPARE(before.integrity, QStringLiteral("ok"));
        const Run whole = runAction(base, dir.filePath("run"), a->name, 0, restoring);
        QVERIFY2(whole.finished, "the action fails without being killed");
        const Books after = whole.books;
        QVERIFY2(!(after == before), "the action changes nothing");
        QCOMPARE(whole.backups.size(), a->backsUp ? (restoring.isEmpty() ? 1 : 2) : 0);
        const QList<Books> wholeStates = restoring.isEmpty() ? QList<Books>{before} : QList<Books>{before, after};
        QVERIFY(backupsWhole(whole, wholeStates));

        // How many statements the action runs: the smallest count it is not killed after.
        int low = 0; // killed after this many
        int high = 1;
        while (runAction(base, dir.filePath("run"), a->name, high, restoring).killed) {
            low = high;
            high *= 2;
        }
        while (high - low > 1) {
            const int middle = (low + high) / 2;
            (runAction(base, dir.filePath("run"), a->name, middle, restoring).killed ? low : high) = middle;
        }
        const int statements = high;

        // Every statement boundary when there are few, else a spread with a random part.
        QList<int> points;
        if (statements <= killPoints) {
            for (int k = 1; k < statements; ++k)
                points << k;
        } else {
            for (int i = 0; i < killPoints / 2; ++i)
                points << 1 + i * (statements - 2) / (killPoints / 2 - 1);
            QRandomGenerator random(quint32(qHash(action)));
            while (points.size() < killPoints)
                points << 1 + int(random.bounded(statements - 1));
        }
        int halfDone = 0;
        int brokenBackups = 0;
        int copiesCutShort = 0;
        for (int k : points) {
            const Run run = runAction(base, dir.filePath("run"), a->name, k, restoring);
            QVERIFY2(run.killed, qPrintable(QStringLiteral("not killed after %1 statements").arg(k)));
            const bool sound = run.books.integrity == u"ok" && (run.books == before || run.books == after);
            if (!sound) {
                ++halfDone;
                qWarning("%s: killed after %d of %d statements, the books are neither before nor after (%s)", a->name,
                         k, statements, qPrintable(run.books.integrity));
            }
            // Changed books always have their backup beside them; a copy cut short is no backup.
            if (!backupsWhole(run, wholeStates) || (a->backsUp && !(run.books == before) && !hasBackupOf(run, before))) {
                ++brokenBackups;
                qWarning("%s: killed after %d of %d statements, a backup is missing or not whole", a->name, k,
                         statements);
            }
            copiesCutShort += run.copiesCutShort;
        }
        killPointsTried += int(points.size());
        halfDoneStates += halfDone;
        backupFaults += brokenBackups;
        std::printf("%s: %d statements, %d kill points, %d half-done", a->name, statements, int(points.size()),
                    halfDone);
        if (a->backsUp)
            std::printf(", %d backups missing or not whole, %d copies cut short left aside", brokenBackups,
                        copiesCutShort);
        std::printf("\n");
        QCOMPARE(halfDone, 0);
        QCOMPARE(brokenBackups, 0);
    }

    void cleanupTestCase()
    {
        std::printf("crash test: %d kill points tried, %d left a half-done state, %d a missing or broken backup\n",
                    killPointsTried, halfDoneStates, backupFaults);
        QVERIFY(killPointsTried >= 100);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && QLatin1String(argv[1]) == QLatin1String("--child")) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    CrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash.moc"
