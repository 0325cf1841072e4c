#pragma once

#include "common/ui/Screen.h"
#include "store/Restore.h"

#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zedur {

// Every backup of these books, newest first, and the restore of the one picked: what it
// loses is shown before anything is done. The restore itself runs once the screen is closed,
// when the main window has closed every connection (takeRestore).
class TMC_BackUpReStore_Form : public Screen
{
    Q_OBJECT
public:
    explicit TMC_BackUpReStore_Form(QWidget *parent = nullptr);
    ~TMC_BackUpReStore_Form() override;

    QLabel *Label1;
    QTableWidget *DBGrid1;
    QLabel *Panel_Folder;
    QPushButton *ReStoreBtn;
    QPushButton *CheckBtn;
    QPushButton *CloseBtn;

    // The restore the user confirmed, for the main window to carry out.
    std::unique_ptr<PreparedRestore> takeRestore() { return std::move(m_restore); }

protected:
    void onFirstShow() override;

private:
    void pQuery();
    void ReStoreBtnClick();
    void CheckBtnClick();

    QVector<BackupInfo> m_backups;
    std::unique_ptr<PreparedRestore> m_restore;
};

} // namespace zedur
