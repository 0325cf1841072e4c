#include "entries/ui/TMC_AcNameAmtInPut_Form_AcName.h"

#include "entries/AmountLists.h"

#include <QLineEdit>

namespace zedur {

TMC_AcNameAmtInPut_Form_AcName::TMC_AcNameAmtInPut_Form_AcName(QWidget *parent)
    : PickDialog({QStringLiteral("TMC_AcNameAmtInPut_Form_AcName"),
                  QStringLiteral("계정과목 이름을 검색하는 폼 입니다."), PeriodRule::None, QSize(820, 560)},
                 parent)
{
    addTextSearch(QStringLiteral("검색할 계정과목 이름 등록"));
    edAc_Code2 =
        addShownBox(QStringLiteral("edAc_Code2"), QStringLiteral("선택한 계정과목 코드"), QStringLiteral("Ac_AcCode"));
    edAc_Name2 =
        addShownBox(QStringLiteral("edAc_Name2"), QStringLiteral("선택한 계정과목 이름"), QStringLiteral("Ac_AcName"));
    edAc_CallKubun =
        addShownBox(QStringLiteral("edAc_CallKubun"), QStringLiteral("선택한 계정과목 호출 비고 및 적요 메모"),
                    QStringLiteral("Ac_AcNameCall"));
    DBGrid1->setColumns({{"Ac_AcCode", "계정 코드"},
                         {"Ac_AcName", "계정과목 이름"},
                         {"Ac_AcNameCall", "호출비고적요메모"},
                         {"Ac_GroupKubun", "그룹구분"},
                         {"Ac_CallKubun", "호출구분"},
                         {"Ac_TextMemo", "적요및메모"}});
    addIdleButton(QStringLiteral("PrintBtn"), QStringLiteral("&P출력"));
    addIdleButton(QStringLiteral("ChangeBtn"), QStringLiteral("&C전환"));
    requireChoice(amounts::accountNotChosenWarning(), {edAc_Code2, edAc_Name2});
    finishLayout(1);
}

void TMC_AcNameAmtInPut_Form_AcName::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        const Statement s = amounts::accountDialogList(edSearch->text());
        DBGrid1->setResult(db().query(s));
    });
}

} // namespace zedur
