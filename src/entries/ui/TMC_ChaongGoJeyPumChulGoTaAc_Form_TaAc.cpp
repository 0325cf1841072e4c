#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc.h"

#include "common/ui/NumberBox.h"
#include "entries/ShipmentLists.h"
#include "entries/ShipmentViewers.h"

#include <QLineEdit>

namespace zedur {

namespace {

const QString Number = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<ViewerField> fields()
{
    return {{"edT_Serial", "저장순서", "TaJeyPum_Serial"},
            {"edT_Date", "기준일자", "TaJeyPum_Date"},
            {"edT_WonName", "완제품 이름", "TaJeyPum_JeyPumName"},
            {"edG_WonCode", "제품코드", "TaJeyPum_JeyPumCode"},
            {"edG_DanWi", "단위", "TaJeyPum_DanWi"},
            {"edG_Model", "모델명", "TaJeyPum_Model"},
            {"edG_PumName", "품명", "TaJeyPum_PumName"},
            {"edG_KuSize", "규격", "TaJeyPum_KuSize"},
            {"edG_SerialJen", "전표번호", "TaJeyPum_SerialJen"},
            {"edG_TaxNumber", "세금계산서권번호", "TaJeyPum_TaxNumber"},
            {"edG_SaleCode", "거래처코드", "TaJeyPum_SaleCode"},
            {"edG_SaleName", "거래처상호명", "TaJeyPum_SaleName"},
            {"edG_SaleNumber", "사업자등록번호", "TaJeyPum_SaleNumber"},
            {"edG_SaleDyiPou", "대표자명", "TaJeyPum_SaleDyiPou"},
            {"edT_SuKg", "수량(중량)", "TaJeyPum_SuKg", Number},
            {"edT_DanGa", "단가", "", Number},
            {"edT_GaAmt", "금액", "TaJeyPum_GaAmt", Number},
            {"edT_TextMemo", "적요및메모", "TaJeyPum_TextMemo"},
            {"edT_Bigo", "비고", "TaJeyPum_Bigo"},
            {"edT_Check_01", "마감체크", "TaJeyPum_Check_01"},
            {"edT_Kubun", "구분", "TaJeyPum_Kubun"}};
}

QVector<GridColumn> columns()
{
    QVector<GridColumn> out{{"TaJeyPum_Serial", "저장순서"},
                            {"TaJeyPum_Date", "기준일자"},
                            {"TaJeyPum_JeyPumCode", "완제품 코드"},
                            {"TaJeyPum_JeyPumName", "완제품 이름"},
                            {"TaJeyPum_DanWi", "단위"},
                            {"TaJeyPum_Model", "모델명"},
                            {"TaJeyPum_PumName", "품명"},
                            {"TaJeyPum_KuSize", "규격"},
                            {"TaJeyPum_SerialJen", "전표번호"},
                            {"TaJeyPum_TaxNumber", "세금계산서권번호"},
                            {"TaJeyPum_SaleCode", "거래처코드"},
                            {"TaJeyPum_SaleName", "거래처상호"},
                            {"TaJeyPum_SaleNumber", "사업자등록번호"},
                            {"TaJeyPum_SaleDyiPou", "대표자명"},
                            {"TaJeyPum_TextMemo", "적요 및 메모"},
                            {"TaJeyPum_SuKg", "수    량", GridNumber},
                            {"TaJeyPum_GaAmt", "원자재 금액", GridNumber},
                            {"TaJeyPum_JenGiNoMu", "직접노무비배부액", GridNumber},
                            {"TaJeyPum_DaongNoMu", "간접노무비배부액", GridNumber},
                            {"TaJeyPum_JenGiJeyJo", "직접제조경비배부액", GridNumber},
                            {"TaJeyPum_DaongJeyJo", "간접제조경비배부액", GridNumber},
                            {"TaJeyPum_TotGaAmt", "완제품 금액", GridNumber},
                            {"TaJeyPum_Kubun", "구분"},
                            {"TaJeyPum_DanGa", "단      가", GridNumber},
                            {"TaJeyPum_Bigo", "비         고"}};
    return out;
}

} // namespace

TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc::TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc(const Period &shown)
    : EntryViewer({QStringLiteral("TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc"),
                   QStringLiteral("완제품 제품 창고에서 타 계정 대체로 등록된 데이타 조회 폼 입니다."),
                   PeriodRule::None, QSize(1100, 720)},
                  shown, fields(), shipments::TransferViewerSerialBox, columns(),
                  shipments::transferViewerSearchItems(), shipments::transferViewerSortItems())
{
    edT_Serial = box(shipments::TransferViewerSerialBox);
    edT_DanGa = findChild<NumberBox *>(QStringLiteral("edT_DanGa"));
}

ListStatement TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc::list(const QString &searchItem, const QString &text,
                                                       const QString &sortItem) const
{
    return shipments::transferViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc::deleteRow(Db &db, const QString &serial)
{
    return shipments::deleteProductTransfer(db, shown(), serial);
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc::pDisplay()
{
    EntryViewer::pDisplay();
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    // The unit cost the transfer went at; none for a transfer of no quantity, shown blank.
    const QVariant unitCost = DBGrid1->rows().value(row, "TaJeyPum_DanGa");
    if (unitCost.isNull())
        edT_DanGa->clear();
    else
        edT_DanGa->showValue(unitCost.toDouble());
}

} // namespace zedur
