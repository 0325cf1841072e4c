#pragma once

#include "entries/ui/WipLotScreen.h"

namespace zedur {

// WIP transferred to other accounts: a quantity of one lot of the month, at whatever completion
// rate, leaves the process with its share of the lot's cost. The viewer lists (and deletes)
// the transfers.
class TMC_JeyGongPumToTaAcInPut_Form : public WipLotScreen
{
    Q_OBJECT
public:
    explicit TMC_JeyGongPumToTaAcInPut_Form(QWidget *parent = nullptr);

    QLabel *Panel_InDate;
    QPushButton *TaAcBtn;

    // Set by showing a lot, required by the save.
    bool selected() const { return m_selected; }

protected:
    void recreateWorkTables(Db &db) override;
    void lotsExported() override;
    void rowPicked() override;
    void clearEntry() override;
    void saveClicked() override;

private:
    bool quantityLeft();
    bool dayLeft();

    bool m_selected = false;
};

} // namespace zedur
