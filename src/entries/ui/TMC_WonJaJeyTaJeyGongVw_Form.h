#pragma once

#include "entries/TakenAmount.h"
#include "entries/MonthBalances.h"
#include "entries/ReceiptBalances.h"
#include "entries/ui/EntryScreen.h"

class QLabel;

namespace zedur {

class KindPanel;
class ListCombo;
class NumberBox;

// Issue into the process and raw-material transfers: the month's receipt lots with what
// was issued, transferred and is left of each; a quantity taken from the picked lot
// becomes a WIP lot or a transfer. The two viewers list (and delete) what was made.
class TMC_WonJaJeyTaJeyGongVw_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyTaJeyGongVw_Form(QWidget *parent = nullptr);

    NumberBox *edIn_SuKg;
    QLabel *Panel_InDate;
    QLineEdit *edIn_Date;
    QLabel *Panel_Date;
    ListCombo *cbInKubun;
    QLabel *Panel_Kubun;
    QLineEdit *edIn_TextMemo;
    QLineEdit *edIn_Bigo;
    NumberBox *edIn_DanGa;
    NumberBox *edIn_GaAmt;
    QLineEdit *edIn_Serial;
    QLineEdit *edIn_WonCode;
    QLineEdit *edIn_WonName;
    QLineEdit *edIn_DanWi;
    QLineEdit *edIn_Model;
    QLineEdit *edIn_PumName;
    QLineEdit *edIn_KuSize;
    QLineEdit *edIn_SerialJen;
    QLineEdit *edIn_TaxNumber;
    QLineEdit *edIn_SaleCode;
    QLineEdit *edIn_SaleName;
    QLineEdit *edIn_SaleNumber;
    QLineEdit *edIn_SaleDyiPou;
    QPushButton *GongJeongBtn;
    QPushButton *TaAcBta;

protected:
    void onFirstShow() override;
    void pQuery() override;
    void pClear() override;
    void clearEntry() override;
    void rowPicked() override;
    void saveClicked() override;

private:
    bool quantityLeft();
    bool dayLeft();
    // What is left of the grid's current lot.
    taken::Source receiptPicked() const; // what the grid's current receipt offers
    KindPanel *m_kind = nullptr;
    MonthBalances m_balances{refillReceiptBalances, refreshReceiptBalances};
};

} // namespace zedur
