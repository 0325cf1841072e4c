#pragma once

#include "common/ui/RecordScreen.h"
#include "masters/AccountCodes.h"
#include "masters/ui/TMC_AcNameCode_Form_Kubun.h"

#include <QHash>
#include <QPointer>

namespace zedur {

// Account codes of the statement of cost of goods manufactured and of the income statement:
// detail accounts are registered under a group chosen in a dialog beside the screen, renamed,
// given a memo and deleted while no amounts are booked on them.
class TMC_AcNameCode_Form : public RecordScreen
{
    Q_OBJECT
public:
    explicit TMC_AcNameCode_Form(QWidget *parent = nullptr);

    QLineEdit *edAc_Serial;
    QLineEdit *edAc_Kubun_A;
    QLineEdit *edAc_Kubun_B;
    QLineEdit *edAc_Kubun_C;
    QLineEdit *edAc_Kubun_D;
    QLineEdit *edAc_GroupAcName;
    QLineEdit *edAc_AcCode;
    QLineEdit *edAc_AcName;
    QLineEdit *edAc_TextMemo;
    QLineEdit *edAc_Check_01;
    ListCombo *cbSGroupKubun;
    ListCombo *cbSSearch;
    QLineEdit *edSSearch;
    QPushButton *KuenNoSearchBtn;

    // Every column of the list with its title, as the export writes it.
    ExportSheet exportSheet() const;
    // The group dialog while it exists (from Insert on).
    TMC_AcNameCode_Form_Kubun *groupDialog() const { return m_groupDialog; }

protected:
    void onFirstShow() override;
    void pQuery() override;
    void pClear() override;
    void pDisplay() override;
    void insertClicked() override;
    void cancelClicked() override;
    void saveClicked() override;
    void deleteClicked() override;
    void printClicked() override;

private:
    void openGroupDialog();
    void groupChosen(const accounts::Group &group, int next);
    void groupDialogClosed(TMC_AcNameCode_Form_Kubun::Outcome outcome);
    void emptyGroupBoxes();

    // A closed account: warns, empties the boxes.
    bool refuseClosed();
    // Amounts booked on the picked account, or a supplied one: warns why it is locked.
    bool refuseLocked(bool deleting);
    void insertAccount();
    void updateAccount();

    QPointer<TMC_AcNameCode_Form_Kubun> m_groupDialog;
    QString m_groupCode;
    QString m_statement;
    // Every column of the row as it was when picked: an update writes these back.
    QHash<QString, QString> m_pickedRow;
};

} // namespace zedur
