#pragma once

#include "common/ui/Screen.h"
#include "masters/AccountCodes.h"

class QLineEdit;
class QPushButton;

namespace zedur {

class DataGrid;

// The group accounts to register a new account under, shown beside the account screen
// (not modal). Every group chosen is offered to the account screen at once; closing the
// dialog says whether a group can take another account.
class TMC_AcNameCode_Form_Kubun : public Screen
{
    Q_OBJECT
public:
    enum class Outcome { NoGroup, GroupFull, GroupChosen };

    explicit TMC_AcNameCode_Form_Kubun(QWidget *parent = nullptr);

    // Lists the groups and chooses the first.
    void pQuery();

    DataGrid *DBGrid1;
    QLineEdit *edAc_Code2;
    QLineEdit *edAc_Name2;
    QLineEdit *edKubun_A;
    QLineEdit *edKubun_B;
    QLineEdit *edKubun_C;
    QLineEdit *edKubun_D;
    QLineEdit *edChuGaNo;
    QPushButton *PrintBtn;
    QPushButton *CancelBtn;
    QPushButton *CloseBtn;

signals:
    // A group was chosen; `next` is the detail number the next account under it gets.
    void groupChosen(const zedur::accounts::Group &group, int next);
    void closedWith(zedur::TMC_AcNameCode_Form_Kubun::Outcome outcome);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void choose();
    Outcome outcome();

    int m_next = 0;
};

} // namespace zedur
