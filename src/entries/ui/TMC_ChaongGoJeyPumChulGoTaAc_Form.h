#pragma once

#include "entries/MonthBalances.h"
#include "entries/ProductBalances.h"
#include "entries/ui/EntryScreen.h"

#include <optional>

class QLabel;

namespace zedur {

class KindPanel;
class ListCombo;
class NumberBox;

// Product shipments and transfers: the month's product receipts with what was sold,
// transferred and is left of each; a quantity taken from the picked receipt is sold at a
// price the user gives, or transferred to another account, carrying the receipt's cost in
// proportion. The two viewers list (and delete) what was made.
class TMC_ChaongGoJeyPumChulGoTaAc_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_ChaongGoJeyPumChulGoTaAc_Form(QWidget *parent = nullptr);

    QLabel *Panel_InDate;
    NumberBox *edIn_SuKg;
    QLineEdit *edIn_Date;
    QLabel *Panel_Date;
    ListCombo *cbInKubun;
    QLabel *Panel_Kubun;
    NumberBox *edIn_DanGa;
    NumberBox *edIn_GaAmt;
    QLineEdit *edIn_Serial;
    QLineEdit *edIn_WonCode;
    QLineEdit *edIn_WonName;
    QLineEdit *edIn_PumName;
    QLineEdit *edIn_KuSize;
    QLineEdit *edIn_DanWi;
    QLineEdit *edIn_Model;
    QLineEdit *edIn_SerialJen;
    QLineEdit *edIn_TaxNumber;
    QLineEdit *edIn_SaleCode;
    QLineEdit *edIn_SaleName;
    QLineEdit *edIn_SaleNumber;
    QLineEdit *edIn_SaleDyiPou;
    QLineEdit *edIn_TextMemo;
    QLineEdit *edIn_Bigo;
    QPushButton *GongJeongBtn;
    QPushButton *TaAcBta;

protected:
    void onFirstShow() override;
    void pQuery() override;
    void pClear() override;
    void clearEntry() override;
    void rowPicked() override;
    void saveClicked() override;
    void printClicked() override;

private:
    bool quantityLeft();
    bool dayLeft();
    bool priceLeft();
    bool amountLeft();
    // What is left of the list's current receipt, and its unit cost (none without quantity).
    double remaining() const;
    std::optional<double> unitCost() const;
    void showNumbers(const QString &quantity, const QString &price, const QString &amount);
    KindPanel *m_kind = nullptr;
    MonthBalances m_balances{refillProductBalances, refreshProductBalances};
};

} // namespace zedur
