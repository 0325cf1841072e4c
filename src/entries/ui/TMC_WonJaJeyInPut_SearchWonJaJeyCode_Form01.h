#pragma once

#include "entries/ui/PickDialog.h"

namespace zedur {

// The raw materials a receipt can be for: those in at least one product tree, looked up
// by name, alias, model, article name or size.
class TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01 : public PickDialog
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01(QWidget *parent);

    QLineEdit *edJaJey_code2 = nullptr;
    QLineEdit *edJaJey_Name2 = nullptr;

protected:
    void pQuery() override;
};

} // namespace zedur
