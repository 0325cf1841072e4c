#pragma once

#include "entries/ui/IssueViewer.h"

namespace zedur {

// The WIP lots the issue screen made in a month; a lot nothing has drawn on yet can be deleted.
class TMC_WonJaJeyTaJeyGongVw_Form_JeyGong : public IssueViewer
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyTaJeyGongVw_Form_JeyGong(const Period &shown);

    QLineEdit *edGong_Serial;

protected:
    ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const override;
    Verdict deleteRow(Db &db, const QString &serial) override;
};

} // namespace zedur
