#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form_TaAc.h"

#include "common/TextNumber.h"
#include "common/ui/NumberBox.h"
#include "entries/WipLotList.h"
#include "entries/WipTransfers.h"

#include <QLineEdit>

namespace zedur {

namespace {

const QString Short = QStringLiteral("#,##0.00");
const QString Number = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");
const QString GridRate = QStringLiteral("#,##0.00;-#,##0.00; ;");

QVector<ViewerField> fields()
{
    QVector<ViewerField> out{{"edJ_Serial", "저장순서", "TaGong_Serial"},
                             {"edJ_Date", "기준일자", "TaGong_Date"},
                             {"edJ_WonCode", "원자재코드", "TaGong_WonCode"},
                             {"edJ_WonName", "원재료 이름", "TaGong_WonName"},
                             {"edJ_DanWi", "단위", "TaGong_DanWi"},
                             {"edJ_Model", "모델명", "TaGong_Model"},
                             {"edJ_PumName", "품명", "TaGong_PumName"},
                             {"edJ_KuSize", "규격", "TaGong_KuSize"},
                             {"edJ_SerialJen", "전표번호", "TaGong_SerialJen"},
                             {"edJ_TaxNumber", "세금계산서권번호", "TaGong_TaxNumber"},
                             {"edJ_SaleName", "거래처상호명", "TaGong_SaleName"},
                             {"edJ_SaleNumber", "사업자등록번호", "TaGong_SaleNumber"},
                             {"edJ_SuKg", "제품수량", "TaGong_SuKg", Short},
                             {"edJ_ZedUrAmt", "원자재금액", "TaGong_GaAmt", Short}};
    const QVector<QPair<QString, QString>> numbers{{"JenGiWoul", "전월완성율"},
                                                   {"DaongWoul", "당월완성율"},
                                                   {"TotWoul", "완성율합계"},
                                                   {"JenGiNoMu_01", "전월직접노무비배부"},
                                                   {"JenGiNoMu_02", "전월공통노무비배부"},
                                                   {"DaongNoMu_01", "당월직접노무비배부"},
                                                   {"DaongNoMu_02", "당월공통노무비배부"},
                                                   {"JenGiJeyJo_01", "전월직접제조경비배부"},
                                                   {"JenGiJeyJo_02", "전월공통제조경비배부"},
                                                   {"DaongJeyJo_01", "당월직접제조경비배부"},
                                                   {"DaongJeyJo_02", "당월공통제조경비배부"},
                                                   {"WoulAmtTot", "재공품완성율배부금액"}};
    for (const auto &[stem, label] : numbers)
        out.append({"edJ_" + stem, label, "TaGong_" + stem, Number});
    out << ViewerField{"edJ_TextMemo", "적요및메모", "TaGong_TextMemo"}
        << ViewerField{"edJ_Bigo", "비고", "TaGong_Bigo"} << ViewerField{"edJ_Check_01", "마감체크", "TaGong_Check_01"}
        << ViewerField{"edJ_Kubun", "입고구분", "TaGong_Kubun"};
    return out;
}

QVector<GridColumn> columns()
{
    QVector<GridColumn> out{{"TaGong_Date", "기준일자"},
                            {"TaGong_WonCode", "원자재코드"},
                            {"TaGong_WonName", "원자재 이름"},
                            {"TaGong_Model", "모델명"},
                            {"TaGong_SuKg", "수량(중량)", GridNumber},
                            {"TaGong_DanGa", "단    가", GridNumber},
                            {"TaGong_GaAmt", "원자재금액", GridNumber}};
    for (const auto &[stem, title] : QVector<QPair<QString, QString>>{{"PumName", "품명"},
                                                                      {"KuSize", "규격"},
                                                                      {"SerialJen", "전표번호"},
                                                                      {"TaxNumber", "세금계산서권번호"},
                                                                      {"SaleCode", "거래처코드"},
                                                                      {"SaleName", "거래처상호"},
                                                                      {"SaleNumber", "사업자번호"},
                                                                      {"SaleDyiPou", "대표자명"},
                                                                      {"TextMemo", "적요기재사항"},
                                                                      {"Kubun", "구   분"},
                                                                      {"Bigo", "비     고"}})
        out.append({"TaGong_" + stem, title});
    for (const auto &[stem, title] : QVector<QPair<QString, QString>>{
             {"JenGiWoul", "전월완성율"}, {"DaongWoul", "당월완성율"}, {"TotWoul", "완성율합계"}})
        out.append({"TaGong_" + stem, title, GridRate});
    for (const auto &[stem, title] : QVector<QPair<QString, QString>>{{"JenGiWonAmt", "전월완성율원자재금액"},
                                                                      {"JenGiNoMu_01", "전월직접노무비배부액"},
                                                                      {"JenGiNoMu_02", "전월간접노무비배부액"},
                                                                      {"JenGiJeyJo_01", "전월직접제조경비배부액"},
                                                                      {"JenGiJeyJo_02", "전월간접제조경비배부액"},
                                                                      {"DaongWonAmt", "당월완성율원자재금액"},
                                                                      {"DaongNoMu_01", "당월직접노무비배부액"},
                                                                      {"DaongNoMu_02", "당월간접노무비배부액"},
                                                                      {"DaongJeyJo_01", "당월직접제조경비배부액"},
                                                                      {"DaongJeyJo_02", "당월간접제조경비배부액"},
                                                                      {"WoulAmtTot", "재공품완성율배부액"}})
        out.append({"TaGong_" + stem, title, GridNumber});
    for (const auto &[stem, title] : QVector<QPair<QString, QString>>{{"Check_01", "체크필드01"},
                                                                      {"Check_02", "체크필드02"},
                                                                      {"Check_03", "체크필드03"},
                                                                      {"SaveDate", "저장시간"},
                                                                      {"InPutSerial", "원재료저장순서"},
                                                                      {"GongSerial", "재공품저장순서"},
                                                                      {"JeyPumCode", "완제품코드"},
                                                                      {"JeyPumName", "완제품이름"}})
        out.append({"TaGong_" + stem, title});
    out << GridColumn{"TaGong_JeyPumSuKg", "타계정대체입고완제품수량", GridNumber};
    for (const auto &[stem, title] : QVector<QPair<QString, QString>>{{"JeyPumSerial", "제품저장순서"},
                                                                      {"Month", "월"},
                                                                      {"Year", "년도"},
                                                                      {"Serial", "저장순서"},
                                                                      {"DanWi", "단위"}})
        out.append({"TaGong_" + stem, title});
    return out;
}

} // namespace

TMC_JeyGongPumToTaAcInPut_Form_TaAc::TMC_JeyGongPumToTaAcInPut_Form_TaAc(const Period &shown)
    : EntryViewer({QStringLiteral("TMC_JeyGongPumToTaAcInPut_Form_TaAc"),
                   QStringLiteral("재고자산의 재공품을 타계정 대체로 대체된 타계정 재공품 조회 폼 입니다."),
                   PeriodRule::None, QSize(1100, 760)},
                  shown, fields(), wiptransfer::ViewerSerialBox, columns(), wiplist::transferViewerSearchItems(),
                  wiplist::transferViewerSortItems())
{
    edJ_Serial = box(wiptransfer::ViewerSerialBox);
    // Passing through a figure shows it again at two decimals.
    for (NumberBox *number : findChildren<NumberBox *>()) {
        exits().onLeave(number, [number] {
            if (!number->text().trimmed().isEmpty())
                number->setText(formatFloat(QStringLiteral("#,##0.00"), number->value()));
            return true;
        });
    }
}

ListStatement TMC_JeyGongPumToTaAcInPut_Form_TaAc::list(const QString &searchItem, const QString &text,
                                                    const QString &sortItem) const
{
    return wiplist::transferViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_JeyGongPumToTaAcInPut_Form_TaAc::deleteRow(Db &db, const QString &serial)
{
    return wiptransfer::deleteTransfer(db, shown(), serial);
}

} // namespace zedur
