#pragma once

#include "entries/ui/PickDialog.h"
#include "store/Periods.h"

namespace zedur {

class ListCombo;

// The WIP lots of a month, from which a direct amount picks the lot it belongs to.
class TMC_AcNameAmtInPut_Form_JeyGongPum : public PickDialog
{
    Q_OBJECT
public:
    explicit TMC_AcNameAmtInPut_Form_JeyGongPum(QWidget *parent);

    ListCombo *cbSSearch = nullptr;
    QLineEdit *edSSearch = nullptr;
    ListCombo *cbSSort = nullptr;
    QPushButton *KuenNoSearchBtn = nullptr;

    // Shows the dialog in front with the lots of the month, search and sort on their first
    // entries.
    void showLotsOf(const Period &month);

protected:
    void pQuery() override;

private:
    Period m_month;
};

} // namespace zedur
