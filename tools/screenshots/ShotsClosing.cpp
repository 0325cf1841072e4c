#include "Shots.h"

#include "DiskFaults.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/ui/TMC_BackUpReStore_Form.h"
#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"
#include "closing/ui/TMC_MonthMaGam_Form.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "store/Backup.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace shots {

namespace {

// Shows each box as the program does and saves its picture under the next name; answers No,
// so that nothing the boxes ask about is done.
class BoxPictures : public zedur::MessageSink
{
public:
    explicit BoxPictures(QStringList files) : m_files(std::move(files)) { zedur::setMessageSink(this); }
    ~BoxPictures() override { zedur::setMessageSink(m_before); }
    bool show(zedur::MessageKind kind, const QString &title, const QString &text, bool yesNo) override
    {
        std::printf("[box] %s\n", qPrintable(zedur::plainLines(text).replace(u'\n', u' ')));
        if (m_files.isEmpty())
            return false;
        QMessageBox box(kind == zedur::MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                        title.isEmpty() ? zedur::defaultMessageTitle(kind) : title, zedur::plainLines(text),
                        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        shoot(box, m_files.takeFirst());
        return false;
    }

private:
    QStringList m_files;
    zedur::MessageSink *m_before = &zedur::messageSink();
};

} // namespace

void shootClosing(const QString &out)
{
    {
        // Opened after the entry screens: the month must be allocated again first.
        zedur::TMC_MonthMaGam_Form screen;
        shoot(screen, out + "/close.png");
        std::printf("close: before the allocation\n");
        press(screen.PrintBtn);
        shoot(screen, out + "/close-refused.png");
    }
    {
        zedur::TMC_JeyJoAmtUpDate_Form screen;
        shoot(screen, out + "/allocation.png");
        std::printf("allocation: another month\n");
        screen.cbMonth->setCurrentIndex(screen.cbMonth->findText("05"));
        press(screen.PrintBtn);
        screen.cbMonth->setCurrentIndex(screen.cbMonth->findText("04"));
        press(screen.PrintBtn);
        shoot(screen, out + "/allocation-done.png");
    }
    {
        zedur::TMC_MonthMaGam_Form screen;
        shoot(screen, out + "/close-allocated.png");
        press(screen.PrintBtn);
        shoot(screen, out + "/close-done.png");
        BoxPictures boxes({out + "/close-undo-confirmation.png"});
        press(screen.UndoBtn);
    }
    {
        zedur::TMC_BackUpReStore_Form screen;
        shoot(screen, out + "/backups.png");
        BoxPictures boxes({out + "/backups-restore-confirmation.png"});
        screen.DBGrid1->selectRow(0);
        press(screen.ReStoreBtn);
    }
}

void shootDamagedBooksOffer(const QString &out)
{
    QTemporaryDir dir;
    zedur::setAppDirForTesting(dir.path());
    zedur::createDatabase(zedur::databasePath(), April, zedur::AuditValues::now());
    {
        auto db = zedur::Db::openDefault();
        zedur::writeBackup(*db, {zedur::BackupReason::Close, QStringLiteral("2005-03")});
    }
    zedur::test::damageTablePage(zedur::databasePath(), QStringLiteral("MC_AcNameCode"));
    BoxPictures boxes({out + "/startup-damaged-offer.png"});
    zedur::TMC_ZedUrMain_Form main;
}

} // namespace shots
