#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form_JeyPum.h"

#include "common/ui/NumberBox.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipLotList.h"

#include <QLineEdit>

namespace zedur {

namespace {

const QString Number = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<ViewerField> fields()
{
    return {{"edJ_Serial", "저장순서", "JeyPum_Serial"},
            {"edJ_Date", "기준일자", "JeyPum_Date"},
            {"edJ_JeyPumCode", "완제품코드", "JeyPum_JeyPumCode"},
            {"edJ_JeyPumName", "완제품 이름", "JeyPum_JeyPumName"},
            {"edJ_DanWi", "단위", "JeyPum_DanWi"},
            {"edJ_Model", "모델명", "JeyPum_Model"},
            {"edJ_PumName", "품명", "JeyPum_PumName"},
            {"edJ_KuSize", "규격", "JeyPum_KuSize"},
            {"edJ_SuKg", "제품수량", "JeyPum_SuKg", Number},
            {"edJ_ZedUrAmt", "원자재금액", "JeyPum_GaAmt", Number},
            {"edJ_JenGiNoMu", "직접노무비배부액", "JeyPum_JenGiNoMu", Number},
            {"edJ_DaongNoMu", "간접노무비배부액", "JeyPum_DaongNoMu", Number},
            {"edJ_JenGiJeyJo", "직접제조경비배부액", "JeyPum_JenGiJeyJo", Number},
            {"edJ_DaongJeyJo", "간접제조경비배부액", "JeyPum_DaongJeyJo", Number},
            {"edJ_TotGaAmt", "완제품완성금액", "JeyPum_TotGaAmt", Number},
            {"edJ_DanGa", "완제품 예정 단가", "", Number},
            {"edJ_TextMemo", "적요및메모", "JeyPum_TextMemo"},
            {"edJ_Bigo", "비고", "JeyPum_Bigo"},
            {"edJ_Check_01", "마감체크", "JeyPum_Check_01"},
            {"edJ_Kubun", "입고구분", "JeyPum_Kubun"}};
}

QVector<GridColumn> columns()
{
    const QStringList texts{"Serial",   "Date",     "JeyPumCode", "JeyPumName", "DanWi",
                            "Model",    "PumName",  "KuSize",     "SerialJen",  "TaxNumber",
                            "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou", "TextMemo"};
    const QStringList textTitles{"저장순서",   "기준일자",   "완제품 코드", "완제품 이름", "단위",
                                 "모델명",     "품명",       "규격",        "전표번호",    "세금계산서권번호",
                                 "거래처코드", "거래처상호", "사업자번호",  "대표자명",    "적요 및 메모"};
    QVector<GridColumn> out;
    for (int i = 0; i < texts.size(); ++i)
        out.append({"JeyPum_" + texts.at(i), textTitles.at(i)});
    const QVector<QPair<QString, QString>> numbers{{"SuKg", "제품수량"},
                                                   {"GaAmt", "원자재 금액"},
                                                   {"JenGiNoMu", "직접노무비배부액"},
                                                   {"DaongNoMu", "간접노무비배부액"},
                                                   {"JenGiJeyJo", "직접제조경비배부액"},
                                                   {"DaongJeyJo", "간접제조경비배부액"},
                                                   {"TotGaAmt", "완제품완성금액"}};
    for (const auto &[stem, title] : numbers)
        out.append({"JeyPum_" + stem, title, GridNumber});
    out << GridColumn{"JeyPum_Kubun", "입고구분"} << GridColumn{"JeyPum_Bigo", "비     고"}
        << GridColumn{"JeyPum_Check_01", "마감구분"};
    return out;
}

} // namespace

TMC_JeyGongPumToJeyPumInPut_Form_JeyPum::TMC_JeyGongPumToJeyPumInPut_Form_JeyPum(const Period &shown)
    : EntryViewer({QStringLiteral("TMC_JeyGongPumToJeyPumInPut_Form_JeyPum"),
                   QStringLiteral("재고자산의 재공품이 제품창고에 입고된 재공품의 제품 정보 조회 폼 입니다."),
                   PeriodRule::None, QSize(1100, 720)},
                  shown, fields(), warehouse::ViewerSerialBox, columns(), wiplist::receiptViewerSearchItems(),
                  wiplist::receiptViewerSortItems())
{
    edJ_Serial = box(warehouse::ViewerSerialBox);
    edJ_DanGa = findChild<NumberBox *>(QStringLiteral("edJ_DanGa"));
}

ListStatement TMC_JeyGongPumToJeyPumInPut_Form_JeyPum::list(const QString &searchItem, const QString &text,
                                                        const QString &sortItem) const
{
    return wiplist::receiptViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_JeyGongPumToJeyPumInPut_Form_JeyPum::deleteRow(Db &db, const QString &serial)
{
    return warehouse::deleteReceipt(db, shown(), serial);
}

void TMC_JeyGongPumToJeyPumInPut_Form_JeyPum::pDisplay()
{
    EntryViewer::pDisplay();
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    // The unit cost the receipt stands for; none for a receipt of no quantity.
    const double quantity = DBGrid1->rows().number(row, "JeyPum_SuKg");
    if (quantity == 0.0)
        edJ_DanGa->clear();
    else
        edJ_DanGa->showValue(DBGrid1->rows().number(row, "JeyPum_TotGaAmt") / quantity);
}

} // namespace zedur
