#include "OrdinaryUser.h"
#include "ReadOnlyPlaces.h"
#include "common/SystemInfo.h"
#include "store/Books.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

// The program as a user starts it, from a portable copy or as if installed, with
// --exit-after-start telling which books it opened.
class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void opensTheBooksOfItsLayout_data()
    {
        QTest::addColumn<QString>("besideProgram"); // "books", "empty folder" or "nothing"
        QTest::addColumn<bool>("userHasBooks");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("opened"); // "program" or "user"

        QTest::newRow("portable copy") << "books" << true << 0 << "program";
        QTest::newRow("installed, books in the user's folder") << "nothing" << true << 0 << "user";
        QTest::newRow("installed, no books yet") << "nothing" << false << 1 << "user";
        // Access_Db/ beside the program makes it portable, even with its file gone.
        QTest::newRow("portable copy that lost its file") << "empty folder" << true << 1 << "program";
    }
    void opensTheBooksOfItsLayout()
    {
        QFETCH(QString, besideProgram);
        QFETCH(bool, userHasBooks);
        QFETCH(int, exitCode);
        QFETCH(QString, opened);

        QTemporaryDir programDir;
        QTemporaryDir dataHome;
        const QString program = programDir.path() + "/zedur";
        QVERIFY(QFile::copy(QStringLiteral(ZEDUR_PROGRAM), program));
        const QString programBooks = programDir.path() + "/Access_Db/ZedUr_DB.mdb";
        const QString userBooks = dataHome.path() + "/zedur/Access_Db/ZedUr_DB.mdb";
        if (besideProgram == "books")
            createDatabase(programBooks, {"2005", "04"}, AuditValues::now());
        if (besideProgram == "empty folder")
            QVERIFY(QDir().mkpath(programDir.path() + "/Access_Db"));
        if (userHasBooks)
            createDatabase(userBooks, {"2005", "04"}, AuditValues::now());

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", dataHome.path());
        p.setProcessEnvironment(env);
        p.start(program, {"--exit-after-start"});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), exitCode);
        const QString books = opened == "program" ? programBooks : userBooks;
        QVERIFY2(out.contains(" " + books), qPrintable(out));
        // Without books the usual warning names the place, and no books are made.
        QCOMPARE(err.contains("Data Source="), exitCode != 0);
        QCOMPARE(QFile::exists(books), exitCode == 0);
    }

    // Books the user may read but not write, started on as that user would: they open for
    // reading, and nothing is written beside them.
    void opensBooksThatMayOnlyBeRead_data()
    {
        QTest::addColumn<zedur::test::Where>("where");
        for (const zedur::test::Where where : zedur::test::placesOn(Engine::Sqlite))
            QTest::newRow(qPrintable(zedur::test::placeName(where))) << where;
    }
    void opensBooksThatMayOnlyBeRead()
    {
        QFETCH(zedur::test::Where, where);
        zedur::test::TestBooks books;
        zedur::test::ReadOnlyPlace place(books, where);
        const QString home = books.dir() + "home";
        QVERIFY(QDir().mkpath(home));
        zedur::test::setMode(home, 0777);
        QStringList args{"--exit-after-start", "--db", place.location()};
        if (where == zedur::test::Where::AskedToRead)
            args << "--read-only";
        const QStringList command = where == zedur::test::Where::AskedToRead
                                        ? QStringList{QStringLiteral(ZEDUR_PROGRAM)} + args
                                        : zedur::test::ordinaryUserCommand(QStringLiteral(ZEDUR_PROGRAM), args);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home);
        p.setProcessEnvironment(env);
        p.start(command.first(), command.mid(1));
        QVERIFY(p.waitForFinished(30000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0, qPrintable(err));
        QCOMPARE(QString::fromLocal8Bit(p.readAllStandardOutput()), "opened " + place.location() + "\n");
        QCOMPARE(place.folderNow(), place.folderBefore());
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
