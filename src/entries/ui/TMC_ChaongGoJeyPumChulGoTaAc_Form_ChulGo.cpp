#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo.h"

#include "entries/ShipmentLists.h"
#include "entries/ShipmentViewers.h"

#include <QLineEdit>

namespace zedur {

namespace {

const QString Number = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<ViewerField> fields()
{
    return {{"edG_Serial", "저장순서", "ChulGo_Serial"},
            {"edG_Date", "기준일자", "ChulGo_Date"},
            {"edG_WonCode", "제품코드", "ChulGo_JeyPumCode"},
            {"edG_WonName", "완제품 이름", "ChulGo_JeyPumName"},
            {"edG_DanWi", "단위", "ChulGo_DanWi"},
            {"edG_Model", "모델명", "ChulGo_Model"},
            {"edG_PumName", "품명", "ChulGo_PumName"},
            {"edG_KuSize", "규격", "ChulGo_KuSize"},
            {"edG_SerialJen", "전표번호", "ChulGo_SerialJen"},
            {"edG_TaxNumber", "세금계산서권번호", "ChulGo_TaxNumber"},
            {"edG_SaleCode", "거래처코드", "ChulGo_SaleCode"},
            {"edG_SaleName", "거래처상호명", "ChulGo_SaleName"},
            {"edG_SaleNumber", "사업자등록번호", "ChulGo_SaleNumber"},
            {"edG_SaleDyiPou", "대표자명", "ChulGo_SaleDyiPou"},
            {"edG_SuKg", "수량(중량)", "ChulGo_SuKg", Number},
            {"edG_DanGa", "판매(매출)단가", "ChulGo_DanGa", Number},
            {"edG_GaAmt", "판매(매출)금액", "ChulGo_GaAmt", Number},
            {"edG_TextMemo", "적요및메모", "ChulGo_TextMemo"},
            {"edG_Bigo", "비고", "ChulGo_Bigo"},
            {"edG_Check_01", "마감체크", "ChulGo_Check_01"},
            {"edG_Kubun", "매출액 구분", "ChulGo_Kubun"}};
}

QVector<GridColumn> columns()
{
    QVector<GridColumn> out{{"ChulGo_Date", "기준일자"},
                            {"ChulGo_JeyPumCode", "완제품 코드"},
                            {"ChulGo_JeyPumName", "완제품 이름"},
                            {"ChulGo_Model", "모델명"},
                            {"ChulGo_PumName", "품명"},
                            {"ChulGo_KuSize", "규격"},
                            {"ChulGo_SerialJen", "전표번호"},
                            {"ChulGo_TaxNumber", "세금계산서권번호"},
                            {"ChulGo_SaleCode", "거래처코드"},
                            {"ChulGo_SaleName", "거래처상호"},
                            {"ChulGo_SaleNumber", "사업자등록번호"},
                            {"ChulGo_SaleDyiPou", "대표자명"},
                            {"ChulGo_TextMemo", "적요 및 메모"},
                            {"ChulGo_SuKg", "출고 수량", GridNumber},
                            {"ChulGo_DanGa", "출고 단가", GridNumber},
                            {"ChulGo_GaAmt", "출고  금액", GridNumber},
                            {"ChulGo_WonJaJeyAmt", "완제품원자재배부액", GridNumber},
                            {"ChulGo_Bigo", "비             고"},
                            {"ChulGo_Kubun", "매출액 구분"},
                            {"ChulGo_Check_01", "마감체크"},
                            {"ChulGo_Serial", "저장순서"},
                            {"ChulGo_DanWi", "단위"}};
    return out;
}

} // namespace

TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo::TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo(const Period &shown)
    : EntryViewer({QStringLiteral("TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo"),
                   QStringLiteral("완제품 제품 창고에서 출고(매출) 내역 조회 폼 입니다."), PeriodRule::None,
                   QSize(1100, 720)},
                  shown, fields(), shipments::ShipmentViewerSerialBox, columns(),
                  shipments::shipmentViewerSearchItems(), shipments::shipmentViewerSortItems())
{
    edG_Serial = box(shipments::ShipmentViewerSerialBox);
}

ListStatement TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo::list(const QString &searchItem, const QString &text,
                                                         const QString &sortItem) const
{
    return shipments::shipmentViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo::deleteRow(Db &db, const QString &serial)
{
    return shipments::deleteShipment(db, shown(), serial);
}

} // namespace zedur
