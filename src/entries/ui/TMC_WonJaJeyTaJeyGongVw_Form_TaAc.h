#pragma once

#include "entries/ui/IssueViewer.h"

namespace zedur {

// The raw-material transfers the issue screen made in a month; an open month's can be deleted.
class TMC_WonJaJeyTaJeyGongVw_Form_TaAc : public IssueViewer
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyTaJeyGongVw_Form_TaAc(const Period &shown);

    QLineEdit *edTaInPut_Serial;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
};

} // namespace zedur
