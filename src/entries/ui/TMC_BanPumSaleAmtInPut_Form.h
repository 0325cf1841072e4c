#pragma once

#include "entries/ui/EntryScreen.h"

class QLabel;

namespace zedur {

class ListCombo;
class NumberBox;

// Sales returns: the sales of a chosen month; part or all of a sale of an earlier month comes
// back, dated in the open month, as a return receipt and a negative sale. The same screen
// deletes a return that is still open.
class TMC_BanPumSaleAmtInPut_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_BanPumSaleAmtInPut_Form(QWidget *parent = nullptr);

    QLabel *Panel_Year;
    QLabel *Panel_Month;
    ListCombo *cbSKubun;
    NumberBox *edIn_SuKg;
    QLabel *Panel_InDate;
    QLineEdit *edIn_Date;
    QLabel *Panel_Date;
    QLineEdit *edIn_Check_01;
    QLineEdit *edIn_Kubun;
    NumberBox *edIn_DanGa;
    NumberBox *edIn_GaAmt;
    QLineEdit *edIn_JeyPumCode;
    QLineEdit *edIn_JeyPumName;
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
    QLineEdit *edIn_TextMemo;
    QLineEdit *edIn_Bigo;

    // The sale last shown; the screen's reset does not forget it.
    const QString &shownSale() const { return m_shownSale; }

protected:
    void onFirstShow() override;
    void pQuery() override;
    void pClear() override;
    void clearEntry() override;
    void rowPicked() override;
    void saveClicked() override;
    void deleteClicked() override;
    void printClicked() override;

private:
    bool quantityLeft();
    bool dayLeft();
    // The month returns are dated in: the open month, as shown when the screen opened.
    Period openPeriod() const;
    ListStatement listStatement();

    QString m_shownSale;
};

} // namespace zedur
