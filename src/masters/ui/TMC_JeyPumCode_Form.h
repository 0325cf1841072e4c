#pragma once

#include "masters/ui/MasterCodeScreen.h"

namespace zedur {

// Product codes: register, edit, search, delete and export the products.
class TMC_JeyPumCode_Form : public MasterCodeScreen
{
    Q_OBJECT
public:
    explicit TMC_JeyPumCode_Form(QWidget *parent = nullptr);

    QLineEdit *edJey_Serial;
    QLineEdit *edJey_Code;
    QLineEdit *edJey_Name;
    QLineEdit *edJey_NameAlias;
    QLineEdit *edJey_DanWi;
    QLineEdit *edJey_Model;
    QLineEdit *edJey_PumName;
    QLineEdit *edJey_KuSize;
    QLineEdit *edJey_TextMemo;
    QLineEdit *edJey_Bigo;
};

} // namespace zedur
