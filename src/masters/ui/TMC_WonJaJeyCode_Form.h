#pragma once

#include "masters/ui/MasterCodeScreen.h"

namespace zedur {

class NumberBox;

// Raw-material codes: register, edit, search, delete and export the raw materials.
class TMC_WonJaJeyCode_Form : public MasterCodeScreen
{
    Q_OBJECT
public:
    explicit TMC_WonJaJeyCode_Form(QWidget *parent = nullptr);

    QLineEdit *edWon_Serial;
    QLineEdit *edWon_Code;
    QLineEdit *edWon_Name;
    QLineEdit *edWon_NameAlias;
    NumberBox *edWon_DanGa;
    QLineEdit *edWon_DanWi;
    QLineEdit *edWon_Model;
    QLineEdit *edWon_PumName;
    QLineEdit *edWon_KuSize;
    QLineEdit *edWon_TextMemo;
    QLineEdit *edWon_Bigo;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool priceLeft();
};

} // namespace zedur
