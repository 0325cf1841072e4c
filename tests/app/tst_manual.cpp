#include "DiskFaults.h"
#include "MessageRecorder.h"
#include "TestBooks.h"
#include "app/MenuTree.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "common/Manual.h"
#include "common/SystemInfo.h"
#include "common/ui/HelpWindow.h"
#include "store/Books.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace zedur;
using namespace zedur::test;

namespace {

const QString builtManual = QStringLiteral(ZEDUR_MANUAL_DIR);

QString readChapter(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList chapters()
{
    const QDir dir(builtManual);
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

// Every value of `attribute` in the chapters, with the chapter it is in.
QList<QPair<QString, QString>> attributeValues(const QString &attribute)
{
    const QRegularExpression re(attribute + QStringLiteral("=\"([^\"]+)\""));
    QList<QPair<QString, QString>> values;
    for (const QString &chapter : chapters())
        for (const QRegularExpressionMatch &m : re.globalMatch(readChapter(chapter)))
            values << qMakePair(chapter, m.captured(1));
    return values;
}

// The help window F1 on the screen of menu entry `code` brought up, with the section it shows;
// the screen is closed again.
QString sectionF1Shows(TMC_ZedUrMain_Form &main, int code)
{
    QString shown = QStringLiteral("(no screen)");
    QTimer::singleShot(0, [&] {
        QWidget *screen = QApplication::activeModalWidget();
        if (!screen)
            return;
        QWidget *target = screen->focusWidget() ? screen->focusWidget() : screen;
        QTest::keyClick(target, Qt::Key_F1);
        auto *help = screen->findChild<HelpWindow *>();
        // Every section lies below its chapter's title: at the section, the chapter is scrolled.
        shown = !help                                               ? QStringLiteral("(no help window)")
                : !help->isVisible()                                ? QStringLiteral("(hidden)")
                : help->tbManual->verticalScrollBar()->value() == 0 ? QStringLiteral("(not scrolled to it)")
                                                                    : help->tbManual->source().fragment();
        screen->close();
    });
    main.pRunMenu(code);
    return shown;
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setManualFolderForTesting(builtManual); }

    void f1OnEveryScreenOpensItsSection_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("entry");
        for (const MenuNode &group : mainMenu())
            for (const MenuNode &entry : group.children)
                QTest::newRow(qPrintable(QString::number(entry.code))) << entry.code << entry.text.trimmed();
    }
    void f1OnEveryScreenOpensItsSection()
    {
        QFETCH(int, code);
        QFETCH(QString, entry);
        QVERIFY2(manualHasSection(entry), qPrintable(QStringLiteral("no section named ") + entry));
        TestBooks books;
        MessageRecorder messages;
        TMC_ZedUrMain_Form main;
        QCOMPARE(sectionF1Shows(main, code), entry);
    }

    void f1OnTheMainScreenAndTheHelpEntryOpenTheStart()
    {
        TestBooks books;
        MessageRecorder messages;
        TMC_ZedUrMain_Form main;
        main.show();
        QTest::keyClick(main.tvGroup, Qt::Key_F1);
        auto *help = main.findChild<HelpWindow *>();
        QVERIFY(help);
        QCOMPARE(help->tbManual->source(), manualStart());
        QVERIFY(help->tbManual->toPlainText().contains(QStringLiteral("차례")));

        // A link of the contents, as a click follows it: to its chapter, at its section.
        help->tbManual->setSource(
            help->tbManual->source().resolved(QUrl(QStringLiteral("02-masters.html#원자재코드 등록"))));
        QCOMPARE(help->tbManual->source().fileName(), QStringLiteral("02-masters.html"));
        QVERIFY(help->tbManual->verticalScrollBar()->value() > 0);

        // Back on the main screen, the menu entry reuses the same window.
        main.pRunMenu(800);
        QCOMPARE(main.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(help->tbManual->source(), manualStart());
        QVERIFY(messages.texts().isEmpty());
    }

    // Damaged books open no screen, but the manual, which says what to do about them, opens.
    void theManualOpensOnDamagedBooks()
    {
        QTemporaryDir dir;
        setAppDirForTesting(dir.path());
        createDatabase(databasePath(), {"2005", "04"}, TestBooks::fixedAudit());
        damageTablePage(databasePath(), QStringLiteral("MC_AcNameCode"));
        MessageRecorder messages;
        {
            TMC_ZedUrMain_Form main;
            QVERIFY(!main.connected());
            messages.clear();
            main.pRunMenu(800);
            QVERIFY(main.findChild<HelpWindow *>());
            QVERIFY(messages.texts().isEmpty());
        }
        setAppDirForTesting(QString());
    }

    void aMissingManualIsSaidAndLogged()
    {
        TestBooks books;
        MessageRecorder messages;
        QTemporaryDir empty;
        setManualFolderForTesting(empty.path());
        TMC_ZedUrMain_Form main;
        main.pRunMenu(800);
        setManualFolderForTesting(builtManual);
        QVERIFY(!main.findChild<HelpWindow *>());
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.lastText().startsWith(QStringLiteral("사용 설명서를 찾을 수 없습니다.")));
    }

    void everyPictureTheManualNamesExists()
    {
        const auto pictures = attributeValues(QStringLiteral("src"));
        QVERIFY(pictures.size() >= 20);
        for (const auto &[chapter, src] : pictures) {
            const QString file = QFileInfo(chapter).dir().filePath(src);
            QVERIFY2(!QImage(file).isNull(), qPrintable(chapter + QStringLiteral(": no picture ") + src));
        }
    }

    void everyLinkBetweenChaptersLeadsToASection()
    {
        const auto links = attributeValues(QStringLiteral("href"));
        QVERIFY(!links.isEmpty());
        for (const auto &[chapter, href] : links) {
            const QUrl url(href);
            QVERIFY2(url.scheme().isEmpty(), qPrintable(chapter + QStringLiteral(": leads outside ") + href));
            const QString target = url.path().isEmpty() ? chapter : QFileInfo(chapter).dir().filePath(url.path());
            QVERIFY2(QFile::exists(target), qPrintable(chapter + QStringLiteral(": no chapter ") + href));
            if (url.hasFragment())
                QVERIFY2(readChapter(target).contains(QStringLiteral("<a name=\"%1\"").arg(url.fragment())),
                         qPrintable(chapter + QStringLiteral(": no section ") + href));
        }
    }
};

QTEST_MAIN(ManualTest)
#include "tst_manual.moc"
