#include "entries/ui/IssueViewer.h"

#include "common/ui/ListCombo.h"

#include <QLineEdit>

namespace zedur {

IssueViewer::IssueViewer(const ScreenSetup &setup, const Period &shown, const QString &prefix,
                         const QVector<Field> &fields, const QVector<GridColumn> &columns,
                         const QVector<SearchItem> &searchItems, const QVector<SortItem> &sortItems)
    : EntryScreen(setup, nullptr, {Button::Delete, Button::Close}), m_shown(shown), m_prefix(prefix),
      m_searchItems(searchItems)
{
    for (const Field &f : fields) {
        const QString column = prefix + f.stem;
        if (f.number)
            addReadOnlyNumberBox(QStringLiteral("ed") + column, f.label, column);
        else
            addReadOnlyBox(QStringLiteral("ed") + column, f.label, column);
    }
    setSerialBox(box(QStringLiteral("Serial")));
    addEntrySearch(searchItems, sortItems);
    setGridColumns(columns);
    finishLayout();
}

QVector<IssueViewer::Field> IssueViewer::rowFields(const QVector<Field> &extra)
{
    QVector<Field> fields{{"Serial", "저장순서"},
                          {"Date", "기준일자"},
                          {"WonCode", "원자재코드"},
                          {"WonName", "원자재명"},
                          {"DanWi", "단위"},
                          {"Model", "모델명"},
                          {"PumName", "품명"},
                          {"KuSize", "규격"},
                          {"SerialJen", "전표번호"},
                          {"TaxNumber", "권번호"},
                          {"SaleCode", "거래처코드"},
                          {"SaleName", "거래처상호명"},
                          {"SaleNumber", "사업자번호"},
                          {"SaleDyiPou", "대표자"},
                          {"TextMemo", "적요및메모"},
                          {"Bigo", "비고"},
                          {"SuKg", "수량", true},
                          {"DanGa", "단가", true},
                          {"GaAmt", "공급가액", true}};
    fields << extra << Field{"Kubun", "투입구분"} << Field{"Check_01", "마감체크"};
    return fields;
}

QLineEdit *IssueViewer::box(const QString &stem) const
{
    return boxFor(m_prefix + stem);
}

void IssueViewer::onFirstShow()
{
    resetSearch();
    pQuery();
}

void IssueViewer::pQuery()
{
    const QString text = searchText(m_searchItems);
    perform(QStringLiteral("pQuery"), [&] {
        const Statement s = list(cbSSearch->currentText(), text, cbSSort->currentText());
        DBGrid1->setResult(db().query(s));
    });
}

void IssueViewer::deleteClicked()
{
    const QString serial = box(QStringLiteral("Serial"))->text().trimmed();
    if (!carriedOut(QStringLiteral("DeleteBtnClick"), [&] { return deleteRow(db(), serial); }))
        return;
    resetSearch();
    pQuery();
    clearEntry();
}

} // namespace zedur
