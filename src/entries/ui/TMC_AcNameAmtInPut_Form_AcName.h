#pragma once

#include "entries/ui/PickDialog.h"

namespace zedur {

// The accounts amounts can be booked on ("호출"), looked up by name.
class TMC_AcNameAmtInPut_Form_AcName : public PickDialog
{
    Q_OBJECT
public:
    explicit TMC_AcNameAmtInPut_Form_AcName(QWidget *parent);

    QLineEdit *edAc_Code2 = nullptr;
    QLineEdit *edAc_Name2 = nullptr;
    QLineEdit *edAc_CallKubun = nullptr;

protected:
    void pQuery() override;
};

} // namespace zedur
