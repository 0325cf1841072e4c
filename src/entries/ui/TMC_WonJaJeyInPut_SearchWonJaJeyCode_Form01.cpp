#include "entries/ui/TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01.h"

#include "entries/ReceiptList.h"

#include <QLineEdit>

namespace zedur {

TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01::TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01(QWidget *parent)
    : PickDialog({QStringLiteral("TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01"),
                  QStringLiteral("완제품Tree구조에 있는 원자재 이름을 검색하는 폼 입니다."), PeriodRule::None,
                  QSize(900, 560)},
                 parent)
{
    addTextSearch(QStringLiteral("검색할 원자재, 모델, 품명, 규격등 등록"));
    edJaJey_code2 =
        addShownBox(QStringLiteral("edJaJey_code2"), QStringLiteral("선택한 원자재 코드"), QStringLiteral("Won_Code"));
    edJaJey_Name2 =
        addShownBox(QStringLiteral("edJaJey_Name2"), QStringLiteral("선택한 원자재 이름"), QStringLiteral("Won_Name"));
    DBGrid1->setColumns({{"Won_Serial", "저장순서"},
                         {"Won_Code", "원자재코드"},
                         {"Won_Name", "원자재이름"},
                         {"Won_NameAlias", "원자재별명"},
                         {"Won_Model", "모델명"},
                         {"Won_PumName", "품명"},
                         {"Won_KuSize", "규격"},
                         {"Won_TextMemo", "적요 및 메모"},
                         {"Won_Bigo", "비            고"},
                         {"Won_DanGa", "입고단가", "#,##0.00"},
                         {"Won_DanWi", "단위"}});
    addIdleButton(QStringLiteral("PrintBtn"), QStringLiteral("&P출력"));
    addIdleButton(QStringLiteral("ChangeBtn"), QStringLiteral("&C전환"));
    requireChoice(receipts::materialNotChosenWarning(), {edJaJey_code2, edJaJey_Name2});
    finishLayout(2);
}

void TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        const Statement s = receipts::materialDialogList(edSearch->text());
        DBGrid1->setResult(db().query(s));
    });
}

} // namespace zedur
