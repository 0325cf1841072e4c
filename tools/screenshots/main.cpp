// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean). Message boxes are printed
// instead of shown, so that wrong input can be tried unattended.
#include "Shots.h"

#include "app/TMC_ZedUrMain_Form.h"
#include "closing/ui/TMC_TableCreate_Form.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(out);

    QTemporaryDir dir;
    zedur::setAppDirForTesting(dir.path());
    zedur::createDatabase(zedur::databasePath(), {"2005", "04"}, zedur::AuditValues::now());
    {
        auto db = zedur::Db::openDefault();
        shots::sampleMasters(*db);
        shots::sampleEntries(*db);
        shots::sampleReports(*db);
    }
    zedur::PrintedMessages messages(stdout, true);
    zedur::setMessageSink(&messages);

    {
        zedur::TMC_ZedUrMain_Form main;
        main.tvGroup->expandAll();
        shots::shoot(main, out + "/main.png");
    }
    shots::shootMasters(out);
    shots::shootHelp(out);
    shots::shootEntries(out);
    shots::shootClosing(out);
    shots::shootWip(out);
    shots::shootReports(out);
    shots::shootShipments(out);
    shots::shootImports(out);
    {
        zedur::TMC_TableCreate_Form screen;
        shots::shoot(screen, out + "/table-init.png");
    }
    shots::shootHistory(out);
    shots::shootDamagedBooksOffer(out);
    return 0;
}
