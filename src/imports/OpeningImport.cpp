#include "imports/OpeningImport.h"

#include "entries/ReceiptList.h"
#include "entries/Receipts.h"
#include "imports/OpeningStock.h"
#include "store/Db.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <QSet>
#include <optional>

namespace zedur::imports {

using namespace opening;

namespace {

QString key(const QString &code)
{
    return code.trimmed().toLower();
}

// What draws on an opening row: it cannot be replaced once anything does.
bool drawnOn(Db &db, Stock stock, const QString &serial)
{
    switch (stock) {
    case Stock::RawMaterial:
        return receipts::receiptHasTransfers(db, serial) || receipts::receiptHasLots(db, serial);
    case Stock::Wip:
        return anyRowWith(db, "MC_ChaongGoJeyGongPumInJeyGong", "InGong_GongSerial", serial) ||
               anyRowWith(db, "MC_JeyGongPumInPut_TaAc", "TaGong_GongSerial", serial) ||
               anyRowWith(db, "MC_AcNameAmtInPut", "Amt_JeyGongPumSerial", serial) ||
               db.scalar("Select 1 From MC_JeyGongPumInPut Where Gong_Serial = :tbSerial And Gong_DaongWoul <> 0",
                         {{":tbSerial", serial}})
                   .isValid();
    case Stock::Product:
        return anyRowWith(db, "MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_JeyPumSerial", serial) ||
               anyRowWith(db, "MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_JeyPumSerial", serial);
    }
    return false;
}

// Each kind's table as the import writes it.
struct StockTable {
    QHash<QString, QStringList> opening; // code -> serials of its opening rows in the books
    QSet<QString> replaced;              // codes whose opening rows this import replaces
    QString lastSerial;
    std::optional<RowInserter> inserter;
};

class OpeningImport : public Importer
{
public:
    OpeningImport(ImportContext &context, const PeriodRow &open)
        : m_open(open.period), m_update(context.options().update)
    {
        Db &db = context.db();
        db.forEachRow("Select * From MC_WonJaJeyCode", {}, [&](const RowReader &r) {
            m_materials.insert(key(r.text("Won_Code")),
                               {r.text("Won_Code"), r.text("Won_Name"), r.text("Won_DanWi"), r.text("Won_Model"),
                                r.text("Won_PumName"), r.text("Won_KuSize"), r.number("Won_DanGa")});
        });
        db.forEachRow("Select * From MC_JeyPumCode", {}, [&](const RowReader &r) {
            m_products.insert(key(r.text("Jey_Code")),
                              {r.text("Jey_Code"), r.text("Jey_Name"), r.text("Jey_DanWi"), r.text("Jey_Model"),
                               r.text("Jey_PumName"), r.text("Jey_KuSize")});
        });
        db.forEachRow("Select Distinct Tr_Code From MC_JeyPumTreeWonJaJey", {},
                      [&](const RowReader &r) { m_inATree.insert(key(r.text("Tr_Code"))); });
        for (Stock stock : {Stock::RawMaterial, Stock::Wip, Stock::Product}) {
            const StockKind &kind = stockKind(stock);
            const QString p = kind.prefix;
            db.forEachRow(
                QStringLiteral("Select %1Serial, %2 From %3 Where %1Kubun = :tbKubun And %1Year = :tbYear "
                               "And %1Month = :tbMonth")
                    .arg(p, kind.codeColumn, kind.table),
                {{":tbKubun", receipts::CarriedForward}, {":tbYear", m_open.year}, {":tbMonth", m_open.month}},
                [&](const RowReader &r) {
                    m_tables[int(stock)].opening[key(r.text(kind.codeColumn))] << r.text(p + "Serial");
                });
        }
    }

    bool beginSheet(ImportContext &context, const QString &sheet, int titleRow, const SheetCells &titles) override
    {
        m_stock = stockOfTitles(titles);
        if (!m_stock) {
            context.fileProblem(
                sheet, titleRow,
                {QString(), QStringLiteral("어느 재고의 시트인지 알 수 없습니다: '원자재코드', '제품코드' 열이나 "
                                           "재공품의 '원자재완성율누계' 열이 있어야 합니다.")});
            return false;
        }
        QVector<Problem> problems;
        const StockKind &kind = stockKind(*m_stock);
        m_columns.emplace(kind.fields, titles, problems);
        m_columns->requireAll(kind.required, problems);
        for (const Problem &p : problems)
            context.fileProblem(sheet, titleRow, p);
        return problems.isEmpty();
    }

    void row(ImportContext &context, const QString &sheet, int number, const SheetCells &cells) override
    {
        const StockKind &kind = stockKind(*m_stock);
        FieldRow r(*m_columns, cells);
        const QString code = r.code(kind.codeColumn);
        const MasterItem master = masterOf(r, kind, code);
        const QHash<QString, QVariant> values = stockRow(kind, r, master, m_open);
        StockTable &table = m_tables[int(*m_stock)];
        RowReport report{sheet, number, RowAction::Add, code, master.name, {}};
        if (r.ok() && table.opening.contains(key(code)))
            report.action = judgeReplacement(context.db(), r, kind, table, code);
        report.problems = r.problems();
        if (!r.ok())
            report.action = RowAction::Refused;
        context.report(report);
        if (!context.writing() || report.action == RowAction::Refused)
            return;
        if (report.action == RowAction::Update && !table.replaced.contains(key(code))) {
            table.replaced.insert(key(code));
            for (const QString &serial : table.opening.value(key(code)))
                context.db().exec(
                    QStringLiteral("Delete From %1 Where %2Serial = :tbSerial").arg(kind.table, kind.prefix),
                    {{":tbSerial", serial}});
        }
        write(context, kind, table, values);
    }

private:
    MasterItem masterOf(FieldRow &r, const StockKind &kind, const QString &code)
    {
        if (code.isEmpty()) {
            r.problem(kind.codeColumn, QStringLiteral("코드가 없습니다."));
            return {};
        }
        if (kind.stock == Stock::Product) {
            if (!m_products.contains(key(code)))
                r.problem(kind.codeColumn, QStringLiteral("제품 코드에 없는 코드입니다: ") + code);
            return m_products.value(key(code));
        }
        if (!m_materials.contains(key(code)))
            r.problem(kind.codeColumn, QStringLiteral("원자재 코드에 없는 코드입니다: ") + code);
        else if (!m_inATree.contains(key(code)))
            r.problem(kind.codeColumn, oneLine(receipts::noMaterialInTreeWarning()));
        return m_materials.value(key(code));
    }

    RowAction judgeReplacement(Db &db, FieldRow &r, const StockKind &kind, const StockTable &table, const QString &code)
    {
        if (table.replaced.contains(key(code)))
            return RowAction::Update;
        if (!m_update) {
            r.problem(kind.codeColumn, QStringLiteral("장부에 이 코드의 기초재고(전기이월)가 이미 있습니다 (바꾸려면 "
                                                      "'있는 코드 고치기'를 고르세요)."));
            return RowAction::Refused;
        }
        for (const QString &serial : table.opening.value(key(code)))
            if (drawnOn(db, kind.stock, serial)) {
                r.problem(kind.codeColumn, QStringLiteral("이 코드의 기초재고(저장순서 %1)를 쓴 자료가 있어 바꿀 수 "
                                                          "없습니다.")
                                               .arg(serial));
                return RowAction::Refused;
            }
        return RowAction::Update;
    }

    void write(ImportContext &context, const StockKind &kind, StockTable &table, const QHash<QString, QVariant> &values)
    {
        const QString serialColumn = kind.prefix + "Serial";
        table.lastSerial = table.lastSerial.isEmpty() ? Serial_MaxValue(context.db(), kind.table, serialColumn)
                                                      : serialAfter(table.lastSerial);
        RowValues row;
        for (const ColumnDef &c : schema::table(kind.table).columns) {
            QVariant v;
            if (c.name == serialColumn)
                v = table.lastSerial;
            else if (values.contains(c.name))
                v = values.value(c.name);
            else if (c.name.endsWith(u"_Check_03"))
                v = context.audit().volumeSerial;
            else if (c.name.endsWith(u"_SaveDate"))
                v = context.audit().saveDate;
            else
                v = c.type == ColumnType::Text ? QVariant(QString("")) : QVariant(0.0);
            row.append({c.name, v});
        }
        if (!table.inserter)
            table.inserter.emplace(context.db(), kind.table);
        table.inserter->insert(row);
    }

    Period m_open;
    bool m_update;
    std::optional<Stock> m_stock;
    std::optional<SheetColumns> m_columns;
    QHash<QString, MasterItem> m_materials;
    QHash<QString, MasterItem> m_products;
    QSet<QString> m_inATree;
    StockTable m_tables[3];
};

} // namespace

bool closedByAClose(Db &db)
{
    return db.count(
               QStringLiteral("Select * From MC_YearMonthCheck Where YM_Kubun = :tbClosed And YM_TextMemo = :tbMemo"),
               {{":tbClosed", period::Closed}, {":tbMemo", period::ClosedMemo}}) > 0;
}

std::unique_ptr<Importer> makeOpeningImport(ImportContext &context)
{
    const std::optional<PeriodRow> open = period::theOpenPeriod(context.db());
    if (!open) {
        context.fileProblem(QString(), 0, {QString(), oneLine(period::notUniqueWarning())});
        return nullptr;
    }
    if (closedByAClose(context.db())) {
        context.fileProblem(QString(), 0,
                            {QString(), QStringLiteral("이미 마감한 달이 있는 장부에는 기초재고를 가져올 수 없습니다: "
                                                       "기초재고는 장부의 첫 마감 전에만 가져옵니다.")});
        return nullptr;
    }
    return std::make_unique<OpeningImport>(context, *open);
}

} // namespace zedur::imports
