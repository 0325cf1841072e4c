#include "common/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

class DataFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("holdsBooks");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("expected");

        const QString home = "/home/kim/.local/share/zedur";
        QTest::newRow("portable copy") << "/home/kim/zedur" << true << true << home << "/home/kim/zedur/";
        QTest::newRow("installed under /usr") << "/usr/bin" << false << false << home << home + "/";
        QTest::newRow("installed, run by root") << "/usr/bin" << true << false << home << home + "/";
        QTest::newRow("copy on a read-only disc") << "/media/cd" << false << true << home << home + "/";
        QTest::newRow("build folder before its books") << "/src/build" << true << false << home << home + "/";
        QTest::newRow("no home known") << "/usr/bin" << false << false << QString() << "/usr/bin/";
        QTest::newRow("trailing slashes kept single") << "/opt/zedur/" << true << true << home << "/opt/zedur/";
        QTest::newRow("Korean folder names") << "/home/kim/원가" << true << true << home << "/home/kim/원가/";
    }
    void choice()
    {
        QFETCH(QString, program);
        QFETCH(bool, writable);
        QFETCH(bool, holdsBooks);
        QFETCH(QString, user);
        QFETCH(QString, expected);
        QCOMPARE(chooseDataFolder({program, writable, holdsBooks}, user), expected);
    }

    void inspection_data()
    {
        QTest::addColumn<QString>("layout"); // what Access_Db is in the folder
        QTest::addColumn<bool>("holdsBooks");
        QTest::newRow("folder") << "folder" << true;
        QTest::newRow("none") << "none" << false;
        QTest::newRow("plain file of that name") << "file" << false;
    }
    void inspection()
    {
        QFETCH(QString, layout);
        QFETCH(bool, holdsBooks);
        QTemporaryDir dir;
        if (layout == "folder")
            QVERIFY(QDir(dir.path()).mkdir("Access_Db"));
        if (layout == "file") {
            QFile f(dir.path() + "/Access_Db");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const ProgramFolder seen = inspectProgramFolder(dir.path());
        QCOMPARE(seen.path, dir.path());
        QVERIFY(seen.writable);
        QCOMPARE(seen.holdsBooksFolder, holdsBooks);
    }

    void missingFolderIsNotWritable()
    {
        QTemporaryDir dir;
        QVERIFY(!inspectProgramFolder(dir.path() + "/gone").writable);
    }

    void userFolderFollowsXdgDataHome()
    {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
        QCOMPARE(userDataFolder(), dir.path() + "/zedur");
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
