#pragma once

#include "common/SystemInfo.h"
#include "common/ui/NumberBox.h"
#include "entries/MonthBalances.h"
#include "entries/WipBalances.h"
#include "entries/ui/EntryScreen.h"

#include <QLineEdit>

class QGroupBox;
class QLabel;

namespace zedur {

// What the completion into the product warehouse and the WIP transfer screen share: the
// month's WIP lots with what was completed, transferred and is left of each, a panel showing
// the lot picked in the list, and the quantity, day, memo and remark of what is entered.
class WipLotScreen : public EntryScreen
{
    Q_OBJECT
public:
    // The entry.
    NumberBox *edIn_SuKg = nullptr;
    QLineEdit *edIn_Date = nullptr;
    QLabel *Panel_Date = nullptr;
    QLabel *Panel_Kubun = nullptr;
    QLineEdit *edIn_TextMemo = nullptr;
    QLineEdit *edIn_Bigo = nullptr;
    QPushButton *ExcelBtn = nullptr;

    // The picked lot.
    QLineEdit *edG_WonCode = nullptr;
    QLineEdit *edG_WonName = nullptr;
    QLineEdit *edG_Model = nullptr;
    QLineEdit *edG_PumName = nullptr;
    QLineEdit *edG_KuSize = nullptr;
    QLineEdit *edG_SerialJen = nullptr;
    QLineEdit *edG_TaxNumber = nullptr;
    QLineEdit *edG_SaleName = nullptr;
    QLineEdit *edG_SaleNumber = nullptr;
    NumberBox *edG_SuKg = nullptr;
    NumberBox *edG_DanGa = nullptr;
    NumberBox *edG_GaAmt = nullptr;
    NumberBox *edG_JenGiWoul = nullptr;
    NumberBox *edG_DaongWoul = nullptr;
    NumberBox *edG_TotWoul = nullptr;
    NumberBox *edG_JenGiWonAmt = nullptr;
    NumberBox *edG_DaongWonAmt = nullptr;
    NumberBox *edG_WonTotAmt = nullptr;
    NumberBox *edG_JenGiNoMu_01 = nullptr;
    NumberBox *edG_JenGiNoMu_02 = nullptr;
    NumberBox *edG_JenGiJeyJo_01 = nullptr;
    NumberBox *edG_JenGiJeyJo_02 = nullptr;
    NumberBox *edG_DaongNoMu_01 = nullptr;
    NumberBox *edG_DaongNoMu_02 = nullptr;
    NumberBox *edG_DaongJeyJo_01 = nullptr;
    NumberBox *edG_DaongJeyJo_02 = nullptr;
    NumberBox *edG_ChaongGoSuKg = nullptr;
    NumberBox *edG_ChaongGoGaAmt = nullptr;
    NumberBox *edG_TaAcSuKg = nullptr;
    NumberBox *edG_TaAcGaAmt = nullptr;
    NumberBox *edG_JanSuKg = nullptr;
    NumberBox *edG_JanAmt = nullptr;

protected:
    WipLotScreen(const ScreenSetup &setup, QWidget *parent, const QVector<SearchItem> &searchItems,
                 const QVector<SortItem> &sortItems);

    // The entry boxes, in the form's own area: the quantity, the day with the date it makes,
    // the fixed kind of the entry, memo and remark.
    void addEntryBoxes(const QString &quantityLabel, const QString &dayLabel, const QString &kind);
    // The panel of the picked lot, for the screen to place; balances shown in `balancePicture`.
    QGroupBox *addLotPanel(const QString &balancePicture);
    // The lot list's columns; also lays the screen out (after the boxes are declared).
    void setLotColumns(const QVector<GridColumn> &columns);

    // The work tables the screen owns, dropped and created when it is first shown.
    virtual void recreateWorkTables(Db &db) = 0;
    // The lot list was exported: screens clear what the export makes stale.
    virtual void lotsExported() {}
    // The lists are open on the open month, after the first search.
    virtual void listsOpened() {}

    void onFirstShow() override;
    // The search: the lot balances and the list again, the entry emptied.
    void pQuery() override;
    void rowPicked() override;
    void clearEntry() override;

    // What is left of the lot current in the list, as its balance row says.
    double listedRemainder() const;

    // The entry as the core's save request takes it: the month shown, the boxes as typed and
    // the moment of saving.
    template <typename Request> void fillEntry(Request &request) const
    {
        request.shown = shownPeriod();
        request.quantity = edIn_SuKg->text();
        request.day = edIn_Date->text();
        request.textMemo = edIn_TextMemo->text();
        request.bigo = edIn_Bigo->text();
        request.audit = AuditValues::now();
    }
    // "&S 저장" through the core's `save`, one user action: a save done brings the balances
    // of the lots it moved (`moved`) up to date and searches the lists again; a refusal is
    // shown, and where the core says it made the screen's pick stale (`stale`), `picked` is
    // cleared so that the save needs a new pick.
    template <typename Saved>
    void saveEntry(const std::function<Checked<Saved>()> &save, bool Saved::*stale, bool &picked,
                   const std::function<QStringList(const Saved &)> &moved)
    {
        Checked<Saved> saved;
        if (carriedOut(QStringLiteral("SaveBtnClick"), [&] {
                saved = save();
                return saved.refusal;
            })) {
            lotsMoved(moved(saved.value));
            return;
        }
        if (saved.value.*stale)
            picked = false;
    }

private:
    void lotsMoved(const QStringList &lots);

    QVector<SearchItem> m_searchItems;
    QVector<SortItem> m_sortItems;
    MonthBalances m_balances{refillWipBalances, refreshWipBalances};
};

} // namespace zedur
