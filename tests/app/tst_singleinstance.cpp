#include "common/SystemInfo.h"
#include "store/Books.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

namespace {
// A copy of the program in a folder of its own, with or without its database.
QString installProgram(const QTemporaryDir &dir, const QString &name, bool withDatabase)
{
    const QString program = dir.path() + "/" + name;
    if (!QFile::exists(program) && !QFile::copy(QStringLiteral(ZEDUR_PROGRAM), program))
        qFatal("cannot copy the program");
    if (withDatabase && !QFile::exists(dir.path() + "/Access_Db/ZedUr_DB.mdb"))
        createDatabase(dir.path() + "/Access_Db/ZedUr_DB.mdb", {"2005", "04"}, AuditValues::now());
    return program;
}

void start(QProcess &p, const QString &program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("USER", "zedur-test-" + QString::number(QCoreApplication::applicationPid()));
    // A copy without Access_Db/ looks for books in the user's data folder: keep that one empty.
    static QTemporaryDir noUserBooks;
    env.insert("XDG_DATA_HOME", noUserBooks.path());
    p.setProcessEnvironment(env);
    p.start(program);
    QVERIFY(p.waitForStarted());
}
} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void secondStartHandsOverAndEnds()
    {
        QTemporaryDir dir;
        const QString program = installProgram(dir, "zedur-one", true);
        QProcess first;
        start(first, program);
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        start(second, program);
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // The same name in another folder is the same program.
        QTemporaryDir elsewhere;
        QProcess third;
        start(third, installProgram(elsewhere, "zedur-one", true));
        QVERIFY(third.waitForFinished(5000));

        // Another name is another program and runs beside it.
        QProcess other;
        start(other, installProgram(dir, "zedur-two", true));
        QVERIFY(!other.waitForFinished(1500));
        other.kill();
        other.waitForFinished();
        first.kill();
        first.waitForFinished();
    }

    void withoutDatabaseEveryStartRuns()
    {
        QTemporaryDir withDb;
        QTemporaryDir withoutDb;
        QProcess first;
        start(first, installProgram(withDb, "zedur-three", true));
        QTest::qWait(1500);
        QProcess second;
        start(second, installProgram(withoutDb, "zedur-three", false));
        QVERIFY(!second.waitForFinished(1500));
        second.kill();
        second.waitForFinished();
        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
