#pragma once

#include "entries/ui/EntryViewer.h"

namespace zedur {

class NumberBox;

// The product receipts of a month completed from WIP; a receipt nothing draws on yet can be
// deleted with the lot slices it took, which the lots then offer again.
class TMC_JeyGongPumToJeyPumInPut_Form_JeyPum : public EntryViewer
{
    Q_OBJECT
public:
    explicit TMC_JeyGongPumToJeyPumInPut_Form_JeyPum(const Period &shown);

    QLineEdit *edJ_Serial;
    NumberBox *edJ_DanGa;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
    void pDisplay() override;
};

} // namespace zedur
