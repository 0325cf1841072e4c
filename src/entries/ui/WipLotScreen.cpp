#include "entries/ui/WipLotScreen.h"

#include "common/SpreadsheetExport.h"
#include "common/TextNumber.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/Panels.h"
#include "common/ui/ScreenColours.h"
#include "entries/WipBalances.h"
#include "entries/WipLotList.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zedur {

namespace {
const QString Amount = QStringLiteral("#,##0.0000");
const QString Rate = QStringLiteral("#,##0.00");
} // namespace

WipLotScreen::WipLotScreen(const ScreenSetup &setup, QWidget *parent, const QVector<SearchItem> &searchItems,
                           const QVector<SortItem> &sortItems)
    : EntryScreen(setup, parent, {Button::Save, Button::Close}), m_searchItems(searchItems), m_sortItems(sortItems)
{
    addEntryPeriodLists();
    addEntrySearch(searchItems, sortItems);
    ExcelBtn = addBarButton("ExcelBtn", "엑셀");
    connect(ExcelBtn, &QPushButton::clicked, this, [this] {
        if (DBGrid1->isOpen() && DBGrid1->rowCount() > 0)
            pExcelExport(DBGrid1->exportSheet(this->setup().className));
        lotsExported();
    });
}

void WipLotScreen::addEntryBoxes(const QString &quantityLabel, const QString &dayLabel, const QString &kind)
{
    edIn_SuKg = addNumberBox("edIn_SuKg", quantityLabel, {}, Amount, KeySet::NumberNoMinus);
    // A day that is not a whole number ("1.") can be typed, and is refused as no date.
    edIn_Date = addTextBox("edIn_Date", dayLabel, {}, 2, KeySet::NumberNoMinus);
    edIn_Date->setMaximumWidth(edIn_Date->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    Panel_Date = panel("Panel_Date");
    addBeside(edIn_Date, Panel_Date, 1);
    Panel_Kubun = panel("Panel_Kubun");
    Panel_Kubun->setText(kind);
    addControl("구분", Panel_Kubun);
    edIn_TextMemo = addTextBox("edIn_TextMemo", "적요및메모", {}, 100);
    edIn_Bigo = addTextBox("edIn_Bigo", "비고", {}, 100);
}

QGroupBox *WipLotScreen::addLotPanel(const QString &balancePicture)
{
    QGroupBox *group = startBoxPanel("LotPanel", "선택된 재공품", 4);
    const auto text = [this](const char *name, const char *label, const char *column) {
        return addReadOnlyBox(name, label, column);
    };
    const auto number = [this](const char *name, const char *label, const char *column, const QString &picture) {
        return addReadOnlyNumberBox(name, label, column, picture);
    };
    edG_WonCode = text("edG_WonCode", "원자재코드", "Gong_WonCode");
    edG_WonName = text("edG_WonName", "원자재 이름", "Gong_WonName");
    edG_Model = text("edG_Model", "모델명", "Gong_Model");
    edG_PumName = text("edG_PumName", "품명", "Gong_PumName");
    edG_KuSize = text("edG_KuSize", "규격", "Gong_KuSize");
    edG_SerialJen = text("edG_SerialJen", "전표번호", "Gong_SerialJen");
    edG_TaxNumber = text("edG_TaxNumber", "세금계산서권번호", "Gong_TaxNumber");
    edG_SaleName = text("edG_SaleName", "거래처상호", "Gong_SaleName");
    edG_SaleNumber = text("edG_SaleNumber", "사업자번호", "Gong_SaleNumber");
    edG_SuKg = number("edG_SuKg", "투입 수량", "Gong_SuKg", Amount);
    edG_DanGa = number("edG_DanGa", "단가", "Gong_DanGa", Amount);
    edG_GaAmt = number("edG_GaAmt", "원자재 금액", "Gong_GaAmt", Amount);
    edG_JenGiWoul = number("edG_JenGiWoul", "전월완성율", "Gong_JenGiWoul", Rate);
    edG_DaongWoul = number("edG_DaongWoul", "당월완성율", "Gong_DaongWoul", Rate);
    edG_TotWoul = number("edG_TotWoul", "완성율합계", "Gong_TotWoul", Rate);
    edG_JenGiWonAmt = number("edG_JenGiWonAmt", "전월원자재완성금액", "Gong_JenGiWonAmt", Amount);
    edG_DaongWonAmt = number("edG_DaongWonAmt", "당월원자재완성금액", "Gong_DaongWonAmt", Amount);
    edG_WonTotAmt = number("edG_WonTotAmt", "원자재완성금액합계", "", Amount);
    edG_JenGiNoMu_01 = number("edG_JenGiNoMu_01", "전월직접노무비", "Gong_JenGiNoMu_01", Amount);
    edG_JenGiNoMu_02 = number("edG_JenGiNoMu_02", "전월간접노무비", "Gong_JenGiNoMu_02", Amount);
    edG_JenGiJeyJo_01 = number("edG_JenGiJeyJo_01", "전월직접제조경비", "Gong_JenGiJeyJo_01", Amount);
    edG_JenGiJeyJo_02 = number("edG_JenGiJeyJo_02", "전월간접제조경비", "Gong_JenGiJeyJo_02", Amount);
    edG_DaongNoMu_01 = number("edG_DaongNoMu_01", "당월직접노무비", "Gong_DaongNoMu_01", Amount);
    edG_DaongNoMu_02 = number("edG_DaongNoMu_02", "당월간접노무비", "Gong_DaongNoMu_02", Amount);
    edG_DaongJeyJo_01 = number("edG_DaongJeyJo_01", "당월직접제조경비", "Gong_DaongJeyJo_01", Amount);
    edG_DaongJeyJo_02 = number("edG_DaongJeyJo_02", "당월간접제조경비", "Gong_DaongJeyJo_02", Amount);
    edG_ChaongGoSuKg = number("edG_ChaongGoSuKg", "창고입고수량", "ChaongGo_SuKg", balancePicture);
    edG_ChaongGoGaAmt = number("edG_ChaongGoGaAmt", "창고입고원자재금액", "ChaongGo_GaAmt", balancePicture);
    edG_TaAcSuKg = number("edG_TaAcSuKg", "타계정대체수량", "TaAc_SuKg", balancePicture);
    edG_TaAcGaAmt = number("edG_TaAcGaAmt", "타계정대체원자재금액", "TaAc_GaAmt", balancePicture);
    edG_JanSuKg = number("edG_JanSuKg", "재고수량", "", Amount);
    edG_JanAmt = number("edG_JanAmt", "재고원자재금액", "", Amount);
    return group;
}

void WipLotScreen::setLotColumns(const QVector<GridColumn> &columns)
{
    setGridColumns(columns);
    // Lots not yet complete are set apart; a lot of which more went out than came in stands
    // out (what shows as zero is not negative).
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        const bool unfinished = rs.number(row, "Gong_TotWoul") != 100.0;
        const bool overdrawn = roundDecimals(rs.number(row, "JeyGo_SuKg"), 4) < 0;
        if (!unfinished && !overdrawn)
            return std::nullopt;
        return RowStyle{unfinished ? colours::Menu : QColor(), overdrawn};
    });
    finishLayout();
    refreshOnReturn({edIn_SuKg, edIn_Date, edSSearch}, [this] {
        if (DBGrid1->isOpen())
            runSearch();
    });
}

void WipLotScreen::onFirstShow()
{
    if (connected())
        perform(QStringLiteral("FormShow(Sender: TObject)"), [this] {
            Transaction t(db());
            recreateWorkTables(db());
            t.commit();
        });
    m_balances.forget();
    resetSearch();
    clearEntry();
    if (!applyPeriodRuleOnShow(cbSYear, cbSMonth))
        return;
    pQuery();
    listsOpened();
}

void WipLotScreen::pQuery()
{
    const Period shown = shownPeriod();
    const QString text = searchText(m_searchItems);
    const SearchItem &search = itemNamed(m_searchItems, cbSSearch->pickOrFirst());
    const SortItem &sort = itemNamed(m_sortItems, cbSSort->pickOrFirst());
    perform(QStringLiteral("pQuery"), [&] {
        m_balances.show(db(), shown);
        DBGrid1->setList(db(), wiplist::lotBalanceList(shown, search, text, sort));
    });
    clearEntry();
}

void WipLotScreen::rowPicked()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    clearEntry();
    pDisplay();
    holdSerial(DBGrid1->currentText("Gong_Serial"));
    // Worked out from the figures as shown.
    edG_WonTotAmt->showValue(edG_JenGiWonAmt->value() + edG_DaongWonAmt->value());
    edG_JanSuKg->showValue(edG_SuKg->value() - edG_ChaongGoSuKg->value() - edG_TaAcSuKg->value());
    edG_JanAmt->showValue(edG_GaAmt->value() - edG_ChaongGoGaAmt->value() - edG_TaAcGaAmt->value());
    setMode(2);
}

void WipLotScreen::lotsMoved(const QStringList &lots)
{
    perform(QStringLiteral("SaveBtnClick"), [&] { m_balances.moved(db(), lots); });
    runSearch();
}

void WipLotScreen::clearEntry()
{
    EntryScreen::clearEntry();
    Panel_Date->clear();
}

double WipLotScreen::listedRemainder() const
{
    const int row = DBGrid1->currentRowIndex();
    return row < 0 ? 0.0 : DBGrid1->rows().number(row, "JeyGo_SuKg");
}

} // namespace zedur
