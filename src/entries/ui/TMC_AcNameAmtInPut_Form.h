#pragma once

#include "entries/Amounts.h"
#include "entries/ListQuery.h"
#include "entries/ui/EntryScreen.h"

namespace zedur {

class GridTotals;
class ListCombo;
class NumberBox;
class TMC_AcNameAmtInPut_Form_AcName;
class TMC_AcNameAmtInPut_Form_JeyGongPum;

// The amounts of the month on expense and revenue accounts; on manufacturing accounts
// either common to the month's lots or direct to one lot.
class TMC_AcNameAmtInPut_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_AcNameAmtInPut_Form(QWidget *parent = nullptr);

    QLineEdit *edAmt_Serial = nullptr;
    QLineEdit *edAmt_Date = nullptr;
    QLineEdit *edAmt_AcName = nullptr;
    QLineEdit *edAmt_AcCode = nullptr;
    QLineEdit *edAmt_GroupAcName = nullptr;
    ListCombo *cbAmt_JeyJoKubun = nullptr;
    QLineEdit *edAmt_JeyGongPumSerial = nullptr;
    QLineEdit *edAmt_TextMemo = nullptr;
    QLineEdit *edAmt_Bigo = nullptr;
    NumberBox *edAmt_Amt = nullptr;
    QLineEdit *edAmt_Check_01 = nullptr;
    GridTotals *lbTotals = nullptr;

    // The dialogs; nullptr until first opened.
    TMC_AcNameAmtInPut_Form_AcName *accountDialog() const { return m_accountDialog; }
    TMC_AcNameAmtInPut_Form_JeyGongPum *lotDialog() const { return m_lotDialog; }

protected:
    void onFirstShow() override;
    void pQuery() override;
    void insertClicked() override;
    void cancelClicked() override;
    void saveClicked() override;
    void deleteClicked() override;
    void printClicked() override;

private:
    ListStatement listStatement();
    bool accountNameLeft();
    void accountPicked();
    void kindLeft();
    void lotPicked();
    bool amountLeft();
    void retitle();
    amounts::AmountEntry entry() const;
    QString gridCheck01() const;

    TMC_AcNameAmtInPut_Form_AcName *m_accountDialog = nullptr;
    TMC_AcNameAmtInPut_Form_JeyGongPum *m_lotDialog = nullptr;
};

} // namespace zedur
