#pragma once

#include "entries/ui/EntryViewer.h"

namespace zedur {

// The WIP transfers of a month; a transfer whose lot carries no direct amount can be deleted,
// which gives its quantity back to the lot.
class TMC_JeyGongPumToTaAcInPut_Form_TaAc : public EntryViewer
{
    Q_OBJECT
public:
    explicit TMC_JeyGongPumToTaAcInPut_Form_TaAc(const Period &shown);

    QLineEdit *edJ_Serial;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
};

} // namespace zedur
