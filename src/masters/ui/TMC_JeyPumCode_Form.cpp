#include "masters/ui/TMC_JeyPumCode_Form.h"

#include <QLineEdit>

namespace zedur {

namespace {
MasterCodeSetup productSetup()
{
    MasterCodeSetup s;
    s.screen = {QStringLiteral("TMC_JeyPumCode_Form"), QStringLiteral("재고자산의 제품 코드를 등록하는 폼 입니다."),
                PeriodRule::None, QSize(1000, 660)};
    s.kind = masters::products();
    return s;
}
} // namespace

TMC_JeyPumCode_Form::TMC_JeyPumCode_Form(QWidget *parent) : MasterCodeScreen(productSetup(), parent)
{
    edJey_Serial = addReadOnlyBox("edJey_Serial", "저장순서", "Jey_Serial");
    edJey_Code = addTextBox("edJey_Code", "제품 코드", "Jey_Code", 50, KeySet::CodeUpper);
    edJey_Name = addTextBox("edJey_Name", "제품 이름", "Jey_Name", 200);
    edJey_NameAlias = addTextBox("edJey_NameAlias", "제품 별명", "Jey_NameAlias", 200);
    edJey_DanWi = addTextBox("edJey_DanWi", "단위", "Jey_DanWi", 200);
    edJey_Model = addTextBox("edJey_Model", "모델명", "Jey_Model", 200);
    edJey_PumName = addTextBox("edJey_PumName", "품명", "Jey_PumName", 200);
    edJey_KuSize = addTextBox("edJey_KuSize", "규격", "Jey_KuSize", 200);
    edJey_TextMemo = addTextBox("edJey_TextMemo", "적요및메모", "Jey_TextMemo", 200);
    edJey_Bigo = addTextBox("edJey_Bigo", "비고", "Jey_Bigo", 200);

    setSearchItems(columnSearchItems({{"제품코드", "Jey_Code"},
                                      {"제품이름", "Jey_Name"},
                                      {"제품별명", "Jey_NameAlias"},
                                      {"단위", "Jey_DanWi"},
                                      {"모델명", "Jey_Model"},
                                      {"품명", "Jey_PumName"},
                                      {"규격", "Jey_KuSize"},
                                      {"적요", "Jey_TextMemo"},
                                      {"비고", "Jey_Bigo"}}));

    setGridColumns({{"Jey_Serial", "저장순서"},
                    {"Jey_Code", "제품코드"},
                    {"Jey_Name", "제품명"},
                    {"Jey_NameAlias", "제품 별명"},
                    {"Jey_DanWi", "단위"},
                    {"Jey_Model", "제품 모델명"},
                    {"Jey_PumName", "제품 품명"},
                    {"Jey_KuSize", "제품 규격"},
                    {"Jey_TextMemo", "적요 및 메모"},
                    {"Jey_Bigo", "비고"}});

    setKeyBoxes(edJey_Serial, edJey_Code, edJey_Name);
    setLastBox(edJey_Bigo);
    finishLayout();
}

} // namespace zedur
