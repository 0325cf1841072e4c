#include "entries/ui/IssueViewer.h"

namespace zedur {

IssueViewer::IssueViewer(const ScreenSetup &setup, const Period &shown, const QString &prefix,
                         const QVector<Field> &fields, const QVector<GridColumn> &columns,
                         const QVector<SearchItem> &searchItems, const QVector<SortItem> &sortItems)
    : EntryViewer(setup, shown, viewerFields(prefix, fields), QStringLiteral("ed") + prefix + QStringLiteral("Serial"),
                  columns, searchItems, sortItems),
      m_prefix(prefix)
{
}

QVector<ViewerField> IssueViewer::viewerFields(const QString &prefix, const QVector<Field> &fields)
{
    QVector<ViewerField> out;
    for (const Field &f : fields)
        out.append({QStringLiteral("ed") + prefix + f.stem, f.label, prefix + f.stem,
                    f.number ? QStringLiteral("#,##0.0000") : QString()});
    return out;
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

QLineEdit *IssueViewer::stemBox(const QString &stem) const
{
    return box(QStringLiteral("ed") + m_prefix + stem);
}

void IssueViewer::rowDeleted()
{
    resetSearch();
    EntryViewer::rowDeleted();
}

} // namespace zedur
