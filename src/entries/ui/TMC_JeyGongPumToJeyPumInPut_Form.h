#pragma once

#include "entries/ui/WipLotScreen.h"

namespace zedur {

class DataGrid;

// Finished WIP completed into the product warehouse: a product picked in the product list, a
// quantity checked against the month's 100 %-complete lots ("체크확인"), then saved as one
// product receipt that consumes the lots oldest first. The month's lots are listed with their
// balances; the viewer lists (and deletes) the receipts.
class TMC_JeyGongPumToJeyPumInPut_Form : public WipLotScreen
{
    Q_OBJECT
public:
    explicit TMC_JeyGongPumToJeyPumInPut_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid_Tree;
    QPushButton *TreeSearchBtn;
    QPushButton *TreeExcelBtn;
    QLabel *Panel_Title;
    DataGrid *DBGrid_Sum;
    QPushButton *GongJeongBtn;

    // Set by a check that ran, required by the save.
    bool checked() const { return m_checked; }

protected:
    void recreateWorkTables(Db &db) override;
    void listsOpened() override;
    void lotsExported() override;
    void clearEntry() override;
    void saveClicked() override;

private:
    void checkClicked();
    void checkExportClicked();
    bool quantityLeft();
    bool dayLeft();

    bool m_checked = false;
    QString m_latestReceiptDate; // of the checked product's raw materials
};

} // namespace zedur
