#pragma once

#include "entries/ui/EntryViewer.h"

namespace zedur {

// The sales of a month out of the product warehouse; a sale of the open month can be deleted,
// which gives its quantity back to its receipt. The negative row of a sales return goes only
// with its return.
class TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo : public EntryViewer
{
    Q_OBJECT
public:
    explicit TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo(const Period &shown);

    QLineEdit *edG_Serial;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
};

} // namespace zedur
