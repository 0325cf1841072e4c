#include "masters/ui/TMC_WonJaJeyCode_Form.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "common/ui/NumberBox.h"

#include <QEvent>
#include <QLineEdit>

namespace zedur {

namespace {
MasterCodeSetup rawMaterialSetup()
{
    MasterCodeSetup s;
    s.screen = {QStringLiteral("TMC_WonJaJeyCode_Form"), QStringLiteral("재고자산의 원자재 코드를 등록하는 폼 입니다."),
                PeriodRule::None, QSize(1000, 680)};
    s.kind = masters::rawMaterials();
    return s;
}
} // namespace

TMC_WonJaJeyCode_Form::TMC_WonJaJeyCode_Form(QWidget *parent) : MasterCodeScreen(rawMaterialSetup(), parent)
{
    edWon_Serial = addReadOnlyBox("edWon_Serial", "저장순서", "Won_Serial");
    edWon_Code = addTextBox("edWon_Code", "원자재 코드", "Won_Code", 50, KeySet::CodeUpper);
    edWon_Name = addTextBox("edWon_Name", "원자재 이름", "Won_Name", 200);
    edWon_NameAlias = addTextBox("edWon_NameAlias", "원자재 별명", "Won_NameAlias", 200);
    edWon_DanGa = addNumberBox("edWon_DanGa", "단가", "Won_DanGa");
    edWon_DanWi = addTextBox("edWon_DanWi", "단위 명", "Won_DanWi", 100);
    edWon_Model = addTextBox("edWon_Model", "모델명", "Won_Model", 200);
    edWon_PumName = addTextBox("edWon_PumName", "품명", "Won_PumName", 200);
    edWon_KuSize = addTextBox("edWon_KuSize", "규격", "Won_KuSize", 200);
    edWon_TextMemo = addTextBox("edWon_TextMemo", "적요및메모", "Won_TextMemo", 200);
    edWon_Bigo = addTextBox("edWon_Bigo", "비고", "Won_Bigo", 200);

    setSearchItems(columnSearchItems({{"코드", "Won_Code"},
                                      {"이름", "Won_Name"},
                                      {"별명", "Won_NameAlias"},
                                      {"단위", "Won_DanWi"},
                                      {"모델", "Won_Model"},
                                      {"품명", "Won_PumName"},
                                      {"규격", "Won_KuSize"},
                                      {"적요", "Won_TextMemo"},
                                      {"비고", "Won_Bigo"}}));

    setGridColumns({{"Won_Serial", "저장순서"},
                    {"Won_Code", "원재료 코드"},
                    {"Won_Name", "원자재 이름"},
                    {"Won_NameAlias", "원자재 별멍"},
                    {"Won_DanGa", "원자재 단가", "#,##0.0000"},
                    {"Won_DanWi", "단위"},
                    {"Won_Model", "원자재 모델명"},
                    {"Won_PumName", "원자재 품명"},
                    {"Won_KuSize", "원자재 규격"},
                    {"Won_TextMemo", "적요 및 메모"},
                    {"Won_Bigo", "비고"}});

    setKeyBoxes(edWon_Serial, edWon_Code, edWon_Name);
    setLastBox(edWon_Bigo);
    exits().onLeave(edWon_DanGa, [this] { return priceLeft(); });
    edWon_DanGa->installEventFilter(this);
    finishLayout();
}

bool TMC_WonJaJeyCode_Form::priceLeft()
{
    if (edWon_DanGa->text().isEmpty())
        edWon_DanGa->setText(QStringLiteral("0.0"));
    if (!IsDouble(edWon_DanGa->text()))
        return false;
    const double value = fNumValue(fTrimLeftBlank(edWon_DanGa->text()));
    const int length = int(fDeleteBlank(edWon_DanGa->text()).size());
    if (value >= 0 && length >= 15) {
        msg::warning(QStringLiteral("전체 길이가 14자를 초과 할 수 없읍니다....."));
        edWon_DanGa->selectAll();
        return false;
    }
    if (value < 0 && length >= 16) {
        msg::warning(QStringLiteral("전체 길이가 15자를 초과 할 수 없읍니다....."));
        edWon_DanGa->selectAll();
        return false;
    }
    edWon_DanGa->showValue(roundDown(-5, value));
    return true;
}

bool TMC_WonJaJeyCode_Form::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the price box while it has the focus shows the whole value for editing.
    if (watched == edWon_DanGa && event->type() == QEvent::MouseButtonRelease && mode() == 2 &&
        edWon_DanGa->hasFocus() && IsDouble(edWon_DanGa->text())) {
        edWon_DanGa->showValue(fNumValue(edWon_DanGa->text()));
        edWon_DanGa->selectAll();
        return true;
    }
    return MasterCodeScreen::eventFilter(watched, event);
}

} // namespace zedur
