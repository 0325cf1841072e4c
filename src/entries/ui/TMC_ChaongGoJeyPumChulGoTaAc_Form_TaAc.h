#pragma once

#include "entries/ui/EntryViewer.h"

namespace zedur {

class NumberBox;

// The product transfers of a month to other accounts; a transfer of the open month can be
// deleted, which gives its quantity back to its receipt.
class TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc : public EntryViewer
{
    Q_OBJECT
public:
    explicit TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc(const Period &shown);

    QLineEdit *edT_Serial;
    NumberBox *edT_DanGa;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
    void pDisplay() override;
};

} // namespace zedur
