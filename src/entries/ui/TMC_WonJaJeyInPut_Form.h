#pragma once

#include "entries/ReceiptNumbers.h"
#include "entries/Receipts.h"
#include "entries/ui/EntryScreen.h"

namespace zedur {

class GridTotals;
class NumberBox;
class TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01;

// Raw-material receipts of the month: one row per purchase, the material picked in the
// search dialog of the materials in product trees.
class TMC_WonJaJeyInPut_Form : public EntryScreen
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyInPut_Form(QWidget *parent = nullptr);

    QLineEdit *edInPut_Serial = nullptr;
    QLineEdit *edInPut_Date = nullptr;
    QLineEdit *edInPut_WonName = nullptr;
    QLineEdit *edInPut_WonCode = nullptr;
    QLineEdit *edInPut_DanWi = nullptr;
    QLineEdit *edInPut_Model = nullptr;
    QLineEdit *edInPut_PumName = nullptr;
    QLineEdit *edInPut_KuSize = nullptr;
    QLineEdit *edInPut_SerialJen = nullptr;
    QLineEdit *edInPut_TaxNumber = nullptr;
    QLineEdit *edInPut_SaleCode = nullptr;
    QLineEdit *edInPut_SaleName = nullptr;
    QLineEdit *edInPut_SaleNumber = nullptr;
    QLineEdit *edInPut_SaleDyiPou = nullptr;
    QLineEdit *edInPut_TextMemo = nullptr;
    NumberBox *edInPut_SuKg = nullptr;
    NumberBox *edInPut_DanGa = nullptr;
    NumberBox *edInPut_GaAmt = nullptr;
    QLineEdit *edInPut_Bigo = nullptr;
    GridTotals *lbTotals = nullptr;

    // The material search dialog; nullptr until it was first opened.
    TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01 *materialDialog() const { return m_materialDialog; }

protected:
    void onFirstShow() override;
    void pQuery() override;
    void pClear() override;
    void rowPicked() override;
    void insertClicked() override;
    void cancelClicked() override;
    void saveClicked() override;
    void deleteClicked() override;
    void printClicked() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool numberLeft(receipts::NumberBox left);
    bool nameLeft();
    void openMaterialDialog(const QString &typed);
    void materialPicked();
    receipts::ReceiptEntry entry() const;
    void showOnly(const QString &serial);

    receipts::RememberedRow m_remembered;
    TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01 *m_materialDialog = nullptr;
};

} // namespace zedur
