#include "MessageRecorder.h"
#include "app/NewBooks.h"
#include "common/SystemInfo.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using namespace zedur::test;
using Outcome = NewBooksResult::Outcome;

namespace {
const QString tool = QStringLiteral(ZEDUR_NEWDB);

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class NewBooksTest : public QObject
{
    Q_OBJECT
private slots:
    void createsBooksForTheMonthWhereAsked()
    {
        QTemporaryDir home;
        const QString path = home.path() + "/zedur/Access_Db/ZedUr_DB.mdb";
        const NewBooksResult result = createBooksWithTool(tool, path, "2025-06");
        QCOMPARE(result.outcome, Outcome::Created);
        QCOMPARE(result.path, path);
        auto db = Db::open(path);
        const auto open = period::theOpenPeriod(*db);
        QVERIFY(open);
        QCOMPARE(open->period, (Period{"2025", "06"}));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reasonHas");
        QTest::newRow("books already there") << "existing" << int(Outcome::AlreadyThere) << QString();
        QTest::newRow("no tool beside the program") << "no tool" << int(Outcome::Failed) << "missing-newdb";
        QTest::newRow("tool refuses the month") << "bad month" << int(Outcome::Failed) << "2025-13";
        QTest::newRow("folder cannot be made") << "blocked" << int(Outcome::Failed) << "database";
    }
    void refusals()
    {
        QFETCH(QString, situation);
        QFETCH(int, outcome);
        QFETCH(QString, reasonHas);
        QTemporaryDir home;
        QString path = home.path() + "/Access_Db/ZedUr_DB.mdb";
        QString toolPath = tool;
        QString month = "2025-06";
        QByteArray before;
        if (situation == "existing") {
            QVERIFY(QDir().mkpath(home.path() + "/Access_Db"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("someone's books");
            f.close();
            before = contentOf(path);
        } else if (situation == "no tool") {
            toolPath = home.path() + "/missing-newdb";
        } else if (situation == "bad month") {
            month = "2025-13";
        } else if (situation == "blocked") {
            QFile f(home.path() + "/Access_Db"); // a plain file where the folder should go
            QVERIFY(f.open(QIODevice::WriteOnly));
        }

        const NewBooksResult result = createBooksWithTool(toolPath, path, month);
        QCOMPARE(int(result.outcome), outcome);
        QVERIFY2(result.reason.contains(reasonHas), qPrintable(result.reason));
        QCOMPARE(result.reason.isEmpty(), result.outcome != Outcome::Failed);
        if (situation == "existing")
            QCOMPARE(contentOf(path), before);
        else
            QVERIFY(!QFile::exists(path));
    }

    void reportSaysWhereOrWhyNot_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("logged");
        QTest::newRow("created") << int(Outcome::Created) << int(MessageKind::Information) << "새 장부를 만들었습니다."
                                 << 0 << false;
        QTest::newRow("already there") << int(Outcome::AlreadyThere) << int(MessageKind::Warning)
                                       << "이미 장부가 있어서 새로 만들지 않았습니다." << 1 << false;
        QTest::newRow("failed") << int(Outcome::Failed) << int(MessageKind::Error) << "새 장부를 만들지 못했습니다."
                                << 1 << true;
    }
    void reportSaysWhereOrWhyNot()
    {
        QFETCH(int, outcome);
        QFETCH(int, kind);
        QFETCH(QString, heading);
        QFETCH(int, exitCode);
        QFETCH(bool, logged);
        QTemporaryDir home;
        setAppDirForTesting(home.path());
        MessageRecorder boxes;
        const QString path = home.path() + "/Access_Db/ZedUr_DB.mdb";
        const NewBooksResult result{Outcome(outcome), path, "2025-06", "disk full"};

        QCOMPARE(reportNewBooks(result), exitCode);
        QCOMPARE(boxes.messages.size(), 1);
        QCOMPARE(int(boxes.messages.first().kind), kind);
        const QString text = boxes.lastText();
        QVERIFY(text.startsWith(heading));
        QVERIFY(text.contains("  장부 파일 :" + LB + "  " + path));
        QCOMPARE(text.contains("disk full"), logged);
        QCOMPARE(QFile::exists(errorLogPath()), logged);
        setAppDirForTesting(QString());
    }
};

QTEST_GUILESS_MAIN(NewBooksTest)
#include "tst_newbooks.moc"
