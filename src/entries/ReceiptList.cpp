#include "entries/ReceiptList.h"

#include "common/Messages.h"

namespace zedur::receipts {

const QVector<SearchItem> &searchItems()
{
    static const QVector<SearchItem> items{
        everyRowItem(),
        likeItem("코드", "InPut_WonCode"),
        likeItem("이름", "InPut_WonName"),
        likeItem("모델", "InPut_Model"),
        likeItem("품명", "InPut_PumName"),
        likeItem("규격", "InPut_KuSize"),
        likeItem("상호", "InPut_SaleName"),
        likeItem("일자", "InPut_Date"),
        likeItem("적요", "InPut_TextMemo"),
        likeItem("비고", "InPut_Bigo"),
        likeItem("모든", "(InPut_WonCode || InPut_WonName || InPut_Model || InPut_PumName || InPut_KuSize || "
                         "InPut_SerialJen || InPut_TaxNumber || InPut_SaleCode || InPut_SaleName || "
                         "InPut_SaleDyiPou || InPut_TextMemo || InPut_Bigo)"),
    };
    return items;
}

ListStatement receiptList(const Period &shown, const QString &searchItem, const QString &searchText)
{
    return periodList(QStringLiteral("*"), QStringLiteral("MC_WonJaJeyInPut"), QStringLiteral("InPut_Serial"),
                      QStringLiteral("InPut_Year"),
                      QStringLiteral("InPut_Month"), shown, {}, itemNamed(searchItems(), searchItem),
                      searchText, QStringLiteral("InPut_Date, InPut_WonName, InPut_WonCode, InPut_Serial"));
}

namespace {
const QString InATree =
    QStringLiteral("Exists (Select 1 From MC_JeyPumTreeWonJaJey T Where T.Tr_Code = W.Won_Code)");
}

bool anyMaterialInATree(Db &db)
{
    return db
        .scalar(QStringLiteral("Select 1 From MC_WonJaJeyCode W Where ") + InATree +
                QStringLiteral(" Limit 1"))
        .isValid();
}

QString noMaterialInTreeWarning()
{
    return QStringLiteral("먼저 BOM Tree의 제품코드 구성과") + LB + LB +
           QStringLiteral("원자재 코드 정보를 연계하세요........");
}

Statement materialDialogList(const QString &searchText)
{
    return {QStringLiteral("Select W.* From MC_WonJaJeyCode W Where ") + InATree +
                QStringLiteral(" And (W.Won_Name || W.Won_NameAlias || W.Won_Model || W.Won_PumName || "
                               "W.Won_KuSize) Like :tbName Order By W.Won_Serial"),
            {{":tbName", likePattern(searchText)}}};
}

QString materialNotChosenWarning()
{
    return QStringLiteral("원자재 코드를 선택 하세요.....");
}

} // namespace zedur::receipts
