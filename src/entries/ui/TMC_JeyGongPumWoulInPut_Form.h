#pragma once

#include "entries/ui/EntryScreen.h"

namespace zedur {

class ListCombo;
class NumberBox;

// Monthly WIP completion: the rate each lot of the open month reaches and the raw-material
// cost recognised with it.
class TMC_JeyGongPumWoulInPut_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_JeyGongPumWoulInPut_Form(QWidget *parent = nullptr);

    ListCombo *cbWoul;
    QLineEdit *edG_Serial;
    QLineEdit *edG_Date;
    QLineEdit *edG_Year;
    QLineEdit *edG_Month;
    QLineEdit *edG_WonCode;
    QLineEdit *edG_WonName;
    NumberBox *edG_SuKg;
    NumberBox *edG_DanGa;
    NumberBox *edG_GaAmt;
    NumberBox *edG_JenGiWoul;
    NumberBox *edG_DaongWoul;
    NumberBox *edG_TotWoul;
    NumberBox *edG_JenGiWonAmt;
    NumberBox *edG_DaongWonAmt;
    NumberBox *edG_Gong_WoulAmtTot;
    QLineEdit *edG_TextMemo;
    QLineEdit *edG_Bigo;
    QLineEdit *edG_Check_01;
    QLineEdit *edG_Kubun;
    QLineEdit *edG_DanWi;
    QLineEdit *edG_Model;
    QLineEdit *edG_PumName;
    QLineEdit *edG_KuSize;
    QLineEdit *edG_SerialJen;
    QLineEdit *edG_TaxNumber;
    QLineEdit *edG_SaleCode;
    QLineEdit *edG_SaleName;
    QLineEdit *edG_SaleNumber;
    QLineEdit *edG_SaleDyiPou;

protected:
    void onFirstShow() override;
    void pQuery() override;
    void cancelClicked() override;
    void saveClicked() override;
    void printClicked() override;

private:
    // This month's rate, the cumulative rate and the month's cost worked out into the boxes.
    bool rateLeft();
};

} // namespace zedur
