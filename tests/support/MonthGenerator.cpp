#include "MonthGenerator.h"

#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/TextNumber.h"
#include "entries/ProductFigures.h"
#include "entries/TakenAmount.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"
#include "store/Db.h"
#include "store/Schema.h"
#include "store/Serials.h"
#include "store/StoreError.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <random>
#include <stdexcept>
#include <tuple>

namespace zedur::test {

namespace {

// Deterministic on every platform: the Mersenne twister's output is fixed by the standard,
// the mapping to numbers is ours.
class Random
{
public:
    explicit Random(quint32 seed) : m_rng(seed) {}
    double unit() { return m_rng() / 4294967296.0; }
    int below(int n) { return std::min(n - 1, int(unit() * n)); }
    bool chance(double p) { return unit() < p; }
    double between(double low, double high, int decimals)
    {
        return roundDecimals(low + (high - low) * unit(), decimals);
    }

private:
    std::mt19937 m_rng;
};

// A row by column name; the writer insists on every column of its table, so that no
// column is left NULL by accident.
using Row = QHash<QString, QVariant>;

class Writer
{
public:
    Writer(Db &db, const QString &table) : m_columns(schema::table(table).columnNames())
    {
        QStringList parameters;
        for (const QString &c : m_columns)
            parameters << u':' + c;
        m_statement.emplace(
            db.prepare(QStringLiteral("Insert InTo %1 (%2) Values (%3)")
                           .arg(table, m_columns.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", ")))));
    }
    void write(const Row &row)
    {
        Params params;
        params.reserve(m_columns.size());
        for (const QString &c : m_columns) {
            const auto it = row.constFind(c);
            if (it == row.constEnd())
                throw std::logic_error("generated row without " + c.toStdString());
            params.append({u':' + c, it.value()});
        }
        if (row.size() != m_columns.size())
            throw std::logic_error("generated row with a column its table does not have");
        m_statement->run(params);
    }

private:
    QStringList m_columns;
    std::optional<PreparedStatement> m_statement;
};

class Serials
{
public:
    Serials(Db &db, const QString &table, const QString &column)
        : m_last(db.scalar(QStringLiteral("Select Max(%1) From %2").arg(column, table)).toString())
    {
    }
    QString next() { return m_last = serialAfter(m_last); }

private:
    QString m_last;
};

// The descriptive texts a row copies from the row it is made from: code, name, unit,
// model, article, size, voucher, tax book, partner code, name, number, representative.
using Texts = std::array<QString, 12>;
const QStringList MaterialStems{"WonCode",   "WonName",   "DanWi",    "Model",    "PumName",    "KuSize",
                                "SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
const QStringList ProductStems{"JeyPumCode", "JeyPumName", "DanWi",    "Model",    "PumName",    "KuSize",
                               "SerialJen",  "TaxNumber",  "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};

void putTexts(Row &row, const QString &prefix, const QStringList &stems, const Texts &texts)
{
    for (int i = 0; i < 12; ++i)
        row.insert(prefix + stems.at(i), texts[size_t(i)]);
}

Texts textsOf(const RowReader &r, const QString &prefix, const QStringList &stems)
{
    Texts t;
    for (int i = 0; i < 12; ++i)
        t[size_t(i)] = r.text(prefix + stems.at(i));
    return t;
}

// The cost columns of a lot in column order: JenGiWonAmt .. DaongJeyJo_02.
const QStringList LotAmountStems{"JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02",
                                 "DaongWonAmt", "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"};
using LotAmounts = std::array<double, 10>;

struct Material {
    Texts texts; // of a receipt: the material's code, name, unit, model, article, size and a supplier
    double price = 0;
};

struct TreeItem {
    int material = 0;
    double perUnit = 1;
};

struct Product {
    QString code;
    QString name;
    QString danWi;
    QString model;
    QString pumName;
    QString kuSize;
    QVector<TreeItem> tree; // sorted by material code
};

struct Receipt {
    QString serial;
    Texts texts;
    double price = 0;
    double remaining = 0;
    int material = -1;
    double quantity = 0;
    double amount = 0;
    double amountLeft = 0;
    // What the issue screen's core takes from it for `taken`; the receipt keeps the rest.
    double take(double taken)
    {
        const double value = taken::amountTaken({quantity, price, amount, remaining, amountLeft}, taken);
        remaining -= taken;
        amountLeft -= value;
        return value;
    }
};

struct Lot {
    QString serial;
    QString date;
    Texts texts;
    double quantity = 0;
    double price = 0;
    double gaAmt = 0;
    QString kubun;
    QString textMemo;
    QString bigo;
    double rates[3] = {0, 0, 0}; // earlier, this month, total
    LotAmounts amounts{};
    double woulAmtTot = 0;
    QString inputSerial;
    QString gongSerial;
    bool broughtForward = false;
    int material = -1;
    double remaining = 0; // less completions and transfers
    // What the warehouse may still take of a 100 % lot: quantity, raw-material amount and
    // the ten cost columns, less completions and 100 % transfers.
    double availQuantity = 0;
    double availGaAmt = 0;
    LotAmounts availAmounts{};
    bool complete() const { return rates[2] == 100.0; }
};

struct ProductReceipt {
    QString serial;
    Texts texts;
    double quantity = 0;
    double amounts[5] = {0, 0, 0, 0, 0}; // direct labour, indirect labour, direct and indirect overhead
    double gaAmt = 0;
    double totGaAmt = 0;
    double remaining = 0;
};

struct Sale {
    QString serial;
    Texts texts;
    double quantity = 0;
    double price = 0;
    double amount = 0;
    double costOfSales = 0;
    QString receiptSerial;
};

const QStringList Customers{"한빛상사", "대성산업", "미래유통", "세광무역", "동해물산"};
const QStringList Suppliers{"삼화금속", "한국소재", "우진화학", "성원철강", "태양산업"};

class MonthFiller
{
public:
    MonthFiller(Db &db, quint32 seed, const AuditValues &audit, const MonthShape &shape)
        : m_db(db), m_random(seed), m_audit(audit), m_shape(shape)
    {
    }

    MonthFigures fill()
    {
        const std::optional<PeriodRow> open = period::theOpenPeriod(m_db);
        if (!open)
            throw StoreError(QStringLiteral("generated books need exactly one open month"));
        m_month = open->period;
        Transaction t(m_db);
        ensureMasters();
        loadMonth();
        receiptsAndIssues();
        completionRates();
        lotTransfers();
        completions();
        shipments();
        returns();
        amounts();
        writeLots();
        t.commit();
        return m_figures;
    }

private:
    QString date(int day) const
    {
        return m_month.year + u'-' + m_month.month + u'-' + QStringLiteral("%1").arg(day, 2, 10, QChar(u'0'));
    }

    // The columns every movement row begins with: its serial, day and month, the texts of
    // what moves and its memo.
    Row movementRow(const QString &prefix, const QString &serial, const QString &day, const QStringList &stems,
                    const Texts &texts, const QString &memo) const
    {
        Row row;
        row.insert(prefix + QStringLiteral("Serial"), serial);
        row.insert(prefix + QStringLiteral("Date"), day);
        row.insert(prefix + QStringLiteral("Year"), m_month.year);
        row.insert(prefix + QStringLiteral("Month"), m_month.month);
        putTexts(row, prefix, stems, texts);
        row.insert(prefix + QStringLiteral("TextMemo"), memo);
        return row;
    }

    void stamp(Row &row, const QString &prefix) const
    {
        row.insert(prefix + QStringLiteral("Check_01"), QString(""));
        row.insert(prefix + QStringLiteral("Check_02"), QString(""));
        row.insert(prefix + QStringLiteral("Check_03"), m_audit.volumeSerial);
        row.insert(prefix + QStringLiteral("SaveDate"), m_audit.saveDate);
    }

    // A quantity at a price as the receipt and issue screens store it.
    static double amountOf(double quantity, double price) { return roundDecimals(productCut(quantity, price, 5), 4); }

    // Raw materials, products and their trees, written once for the books.
    void ensureMasters()
    {
        if (m_db.scalar(QStringLiteral("Select count(*) From MC_WonJaJeyCode")).toInt() == 0)
            writeMasters();
        m_db.forEachRow(QStringLiteral("Select * From MC_WonJaJeyCode Order By Won_Code"), {},
                        [this](const RowReader &r) {
                            Material m;
                            m.texts = {r.text("Won_Code"),
                                       r.text("Won_Name"),
                                       r.text("Won_DanWi"),
                                       r.text("Won_Model"),
                                       r.text("Won_PumName"),
                                       r.text("Won_KuSize"),
                                       QString(),
                                       QString(),
                                       QString(),
                                       QString(),
                                       QString(),
                                       QString()};
                            m.price = r.number("Won_DanGa");
                            m_materialIndex.insert(m.texts[0], int(m_materials.size()));
                            m_materials.append(m);
                        });
        QHash<QString, int> productIndex;
        m_db.forEachRow(QStringLiteral("Select * From MC_JeyPumCode Order By Jey_Code"), {}, [&](const RowReader &r) {
            Product p{r.text("Jey_Code"),
                      r.text("Jey_Name"),
                      r.text("Jey_DanWi"),
                      r.text("Jey_Model"),
                      r.text("Jey_PumName"),
                      r.text("Jey_KuSize"),
                      {}};
            productIndex.insert(p.code, int(m_products.size()));
            m_products.append(p);
        });
        m_db.forEachRow(QStringLiteral("Select * From MC_JeyPumTreeWonJaJey Where Tr_Level = 1 And Tr_Kubun = '원자재' "
                                       "Order By Tr_Check01, Tr_Code"),
                        {}, [&](const RowReader &r) {
                            const int p = productIndex.value(r.text("Tr_Check01"), -1);
                            const int m = m_materialIndex.value(r.text("Tr_Code"), -1);
                            if (p >= 0 && m >= 0)
                                m_products[p].tree.append({m, r.number("Tr_SuKg")});
                        });
    }

    void writeMasters()
    {
        const int materials = std::clamp(m_shape.lots / 40, 8, 60);
        const int products = std::max(4, materials / 3);
        Writer rawWriter(m_db, QStringLiteral("MC_WonJaJeyCode"));
        Serials rawSerials(m_db, QStringLiteral("MC_WonJaJeyCode"), QStringLiteral("Won_Serial"));
        QVector<Material> made;
        for (int i = 1; i <= materials; ++i) {
            const QString code = QStringLiteral("W%1").arg(i, 4, 10, QChar(u'0'));
            const QString name = QStringLiteral("원자재%1").arg(i, 3, 10, QChar(u'0'));
            const double price = m_random.between(100, 9000, 2);
            made.append({{code, name, QStringLiteral("KG"), QStringLiteral("M-%1").arg(i),
                          QStringLiteral("품목%1").arg(i), QStringLiteral("%1mm").arg(10 * i)},
                         price});
            rawWriter.write({{"Won_Serial", rawSerials.next()},
                             {"Won_Code", code},
                             {"Won_Name", name},
                             {"Won_NameAlias", name},
                             {"Won_DanGa", price},
                             {"Won_DanWi", QStringLiteral("KG")},
                             {"Won_Model", QStringLiteral("M-%1").arg(i)},
                             {"Won_PumName", QStringLiteral("품목%1").arg(i)},
                             {"Won_KuSize", QStringLiteral("%1mm").arg(10 * i)},
                             {"Won_TextMemo", QStringLiteral("생성된 원자재")},
                             {"Won_Bigo", QString("")},
                             {"Won_Check_01_Index", QString("")},
                             {"Won_Check_01", QString("")},
                             {"Won_Check_02", QString("")},
                             {"Won_Check_03", m_audit.volumeSerial},
                             {"Won_Check_04", m_audit.computerName},
                             {"Won_Check_05", m_audit.folder},
                             {"Won_SaveDate", m_audit.saveDate}});
        }
        Writer productWriter(m_db, QStringLiteral("MC_JeyPumCode"));
        Serials productSerials(m_db, QStringLiteral("MC_JeyPumCode"), QStringLiteral("Jey_Serial"));
        int position = 0;
        for (int i = 1; i <= products; ++i) {
            const QString code = QStringLiteral("P%1").arg(i, 4, 10, QChar(u'0'));
            const QString name = QStringLiteral("완제품%1").arg(i, 3, 10, QChar(u'0'));
            productWriter.write({{"Jey_Serial", productSerials.next()},
                                 {"Jey_Code", code},
                                 {"Jey_Name", name},
                                 {"Jey_NameAlias", name},
                                 {"Jey_DanWi", QStringLiteral("EA")},
                                 {"Jey_Model", QStringLiteral("PM-%1").arg(i)},
                                 {"Jey_PumName", QStringLiteral("제품%1").arg(i)},
                                 {"Jey_KuSize", QStringLiteral("규격%1").arg(i)},
                                 {"Jey_TextMemo", QStringLiteral("생성된 제품")},
                                 {"Jey_Bigo", QString("")},
                                 {"Jey_Check_01_Index", QString("")},
                                 {"Jey_Check_01", QString("")},
                                 {"Jey_Check_02", QString("")},
                                 {"Jey_Check_03", m_audit.volumeSerial},
                                 {"Jey_Check_04", m_audit.computerName},
                                 {"Jey_Check_05", m_audit.folder},
                                 {"Jey_SaveDate", m_audit.saveDate}});
            TreeNodeValues root{0,
                                treeNodeText(kTreeProductKind, name, 1.0),
                                code,
                                name,
                                QStringLiteral("EA"),
                                QStringLiteral("PM-%1").arg(i),
                                QStringLiteral("제품%1").arg(i),
                                QStringLiteral("규격%1").arg(i),
                                kTreeProductKind,
                                1.0,
                                QString(),
                                code};
            insertTreeNode(m_db, position++, root);
            // Two or three different raw materials, in code order as the completion walks them.
            QVector<int> chosen;
            const int parts = 2 + m_random.below(2);
            while (chosen.size() < parts) {
                const int m = m_random.below(materials);
                if (!chosen.contains(m))
                    chosen.append(m);
            }
            std::sort(chosen.begin(), chosen.end());
            for (int m : chosen) {
                const double perUnit = 0.5 * (1 + m_random.below(5));
                const Material &mat = made.at(m);
                insertTreeNode(m_db, position++,
                               {1, treeNodeText(kTreeRawMaterialKind, mat.texts[1], perUnit), mat.texts[0],
                                mat.texts[1], mat.texts[2], mat.texts[3], mat.texts[4], mat.texts[5],
                                kTreeRawMaterialKind, perUnit, QString(), code});
            }
        }
    }

    // What the month already holds: the rows the close brought forward.
    void loadMonth()
    {
        const Params ym{{":tbYear", m_month.year}, {":tbMonth", m_month.month}};
        m_db.forEachRow(QStringLiteral("Select * From MC_WonJaJeyInPut Where InPut_Year = :tbYear And "
                                       "InPut_Month = :tbMonth Order By InPut_Serial"),
                        ym, [this](const RowReader &r) {
                            Receipt rc{r.text("InPut_Serial"),
                                       textsOf(r, "InPut_", MaterialStems),
                                       r.number("InPut_DanGa"),
                                       r.number("InPut_SuKg"),
                                       m_materialIndex.value(r.text("InPut_WonCode"), -1),
                                       r.number("InPut_SuKg"),
                                       r.number("InPut_GaAmt"),
                                       r.number("InPut_GaAmt")};
                            m_receipts.push_back(rc);
                        });
        m_db.forEachRow(QStringLiteral("Select * From MC_JeyGongPumInPut Where Gong_Year = :tbYear And "
                                       "Gong_Month = :tbMonth Order By Gong_Serial"),
                        ym, [this](const RowReader &r) {
                            Lot lot;
                            lot.serial = r.text("Gong_Serial");
                            lot.date = r.text("Gong_Date");
                            lot.texts = textsOf(r, "Gong_", MaterialStems);
                            lot.quantity = r.number("Gong_SuKg");
                            lot.price = r.number("Gong_DanGa");
                            lot.gaAmt = r.number("Gong_GaAmt");
                            lot.kubun = r.text("Gong_Kubun");
                            lot.textMemo = r.text("Gong_TextMemo");
                            lot.bigo = r.text("Gong_Bigo");
                            lot.rates[0] = r.number("Gong_JenGiWoul");
                            for (int i = 0; i < 10; ++i)
                                lot.amounts[size_t(i)] = r.number("Gong_" + LotAmountStems.at(i));
                            lot.woulAmtTot = r.number("Gong_WoulAmtTot");
                            lot.inputSerial = r.text("Gong_InPutSerial");
                            lot.gongSerial = r.text("Gong_GongSerial");
                            lot.broughtForward = true;
                            lot.material = m_materialIndex.value(r.text("Gong_WonCode"), -1);
                            lot.remaining = lot.quantity;
                            m_lots.push_back(lot);
                        });
        m_db.forEachRow(QStringLiteral("Select * From MC_ChaongGoJeyPumInPut Where JeyPum_Year = :tbYear And "
                                       "JeyPum_Month = :tbMonth Order By JeyPum_Serial"),
                        ym, [this](const RowReader &r) {
                            ProductReceipt p;
                            p.serial = r.text("JeyPum_Serial");
                            p.texts = textsOf(r, "JeyPum_", ProductStems);
                            p.quantity = r.number("JeyPum_SuKg");
                            p.gaAmt = r.number("JeyPum_GaAmt");
                            const char *stems[] = {"JeyPum_JenGiNoMu", "JeyPum_DaongNoMu", "JeyPum_JenGiJeyJo",
                                                   "JeyPum_DaongJeyJo"};
                            for (int i = 0; i < 4; ++i)
                                p.amounts[i] = r.number(QLatin1String(stems[i]));
                            p.totGaAmt = r.number("JeyPum_TotGaAmt");
                            p.remaining = p.quantity;
                            m_productReceipts.push_back(p);
                        });
    }

    void receiptsAndIssues()
    {
        Writer receiptWriter(m_db, QStringLiteral("MC_WonJaJeyInPut"));
        Serials receiptSerials(m_db, QStringLiteral("MC_WonJaJeyInPut"), QStringLiteral("InPut_Serial"));
        Writer transferWriter(m_db, QStringLiteral("MC_WonJaJeyInPut_TaAc"));
        Serials transferSerials(m_db, QStringLiteral("MC_WonJaJeyInPut_TaAc"), QStringLiteral("TaInPut_Serial"));
        m_lotSerials.emplace(m_db, QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_Serial"));

        auto newReceipt = [&](bool exactPieces) {
            const int m = m_random.below(int(m_materials.size()));
            const Material &mat = m_materials.at(m);
            Receipt r;
            r.serial = receiptSerials.next();
            r.texts = mat.texts;
            const int supplier = m_random.below(int(Suppliers.size()));
            r.texts[8] = QStringLiteral("S%1").arg(supplier + 1, 3, 10, QChar(u'0'));
            r.texts[9] = Suppliers.at(supplier);
            r.texts[10] = QStringLiteral("123-45-%1").arg(67890 + supplier);
            r.texts[11] = QStringLiteral("대표%1").arg(supplier + 1);
            r.texts[6] = QStringLiteral("J-%1").arg(r.serial.right(6));
            r.texts[7] = QStringLiteral("T-%1").arg(r.serial.right(4));
            r.price = roundDecimals(mat.price * m_random.between(0.9, 1.1, 4), 4);
            const double quantity = exactPieces ? m_random.between(5, 60, 1) : m_random.between(40, 400, 4);
            r.remaining = quantity;
            r.material = m;
            r.quantity = quantity;
            r.amount = amountOf(quantity, r.price);
            // An amount typed apart from quantity x price: a discount or a charge on top.
            if (m_shape.typedReceiptShare > 0 && m_random.chance(m_shape.typedReceiptShare))
                r.amount = roundDecimals(r.amount + m_random.between(-0.2, 0.5, 4) * r.amount, 4);
            r.amountLeft = r.amount;
            Row row = movementRow("InPut_", r.serial, date(1 + m_random.below(8)), MaterialStems, r.texts,
                                  QStringLiteral("원자재 매입"));
            row.insert("InPut_SuKg", quantity);
            row.insert("InPut_DanGa", r.price);
            row.insert("InPut_GaAmt", r.amount);
            row.insert("InPut_Kubun", QStringLiteral("당월입고"));
            row.insert("InPut_Bigo", QString(""));
            stamp(row, "InPut_");
            row.insert("InPut_InPutSerial", QString(""));
            receiptWriter.write(row);
            ++m_figures.receipts;
            m_receipts.push_back(r);
            return int(m_receipts.size()) - 1;
        };

        auto issue = [&](Receipt &r, double quantity) {
            Lot lot;
            lot.serial = m_lotSerials->next();
            lot.date = date(9 + m_random.below(4));
            lot.texts = r.texts;
            lot.quantity = quantity;
            lot.price = r.price;
            lot.gaAmt = r.take(quantity);
            lot.kubun = QStringLiteral("당월투입");
            lot.textMemo = QStringLiteral("공정투입");
            lot.woulAmtTot = lot.gaAmt;
            lot.inputSerial = r.serial;
            lot.material = r.material;
            lot.remaining = quantity;
            m_lots.push_back(lot);
            ++m_figures.lots;
        };

        // Receipts brought forward are issued first, then new ones as the lots need.
        size_t next = 0;
        while (m_figures.lots < m_shape.lots) {
            if (next >= m_receipts.size())
                newReceipt(m_random.chance(0.1));
            Receipt &r = m_receipts[next++];
            if (r.material < 0 || r.remaining < 1)
                continue;
            // Some receipts are used up in pieces of one decimal, which in binary leave a
            // residue of about 1e-15 instead of zero.
            const bool exact = r.remaining == roundDecimals(r.remaining, 1) && m_random.chance(0.5);
            if (exact) {
                const double first = roundDecimals(r.remaining * 0.33, 1);
                const double last = roundDecimals(r.remaining - 2 * first, 1);
                for (double piece : {first, first, last})
                    if (m_figures.lots < m_shape.lots && piece > 0)
                        issue(r, piece);
                continue;
            }
            const int pieces = 1 + m_random.below(3);
            for (int i = 0; i < pieces && m_figures.lots < m_shape.lots; ++i)
                issue(r, roundDecimals(r.remaining * m_random.between(0.15, 0.45, 4), 4));
            if (r.remaining > 1 && m_random.chance(0.1)) {
                const double quantity = roundDecimals(r.remaining * m_random.between(0.1, 0.5, 4), 4);
                Row row = movementRow("TaInPut_", transferSerials.next(), date(13), MaterialStems, r.texts,
                                      QStringLiteral("타계정대체"));
                row.insert("TaInPut_SuKg", quantity);
                row.insert("TaInPut_DanGa", r.price);
                row.insert("TaInPut_GaAmt", r.take(quantity));
                row.insert("TaInPut_Kubun", QStringLiteral("당월타계정"));
                row.insert("TaInPut_Bigo", QString(""));
                stamp(row, "TaInPut_");
                row.insert("TaInPut_InPutSerial", r.serial);
                transferWriter.write(row);
                ++m_figures.receiptTransfers;
            }
        }
    }

    void completionRates()
    {
        for (Lot &lot : m_lots) {
            const double earlier = lot.rates[0];
            double thisMonth = 0;
            if (earlier < 100) {
                if (m_random.chance(m_shape.completedShare))
                    thisMonth = roundDecimals(100 - earlier, 2);
                else
                    thisMonth = roundDown(-2, (100 - earlier) * m_random.between(0.1, 0.9, 4));
            }
            lot.rates[1] = thisMonth;
            lot.rates[2] = roundDecimals(earlier + thisMonth, 2);
            lot.amounts[5] = productRounded(thisMonth / 100.0, roundDecimals(lot.gaAmt, 4), 4); // DaongWonAmt
            lot.availQuantity = lot.quantity;
            lot.availGaAmt = lot.gaAmt;
            lot.availAmounts = lot.amounts;
        }
    }

    void lotTransfers()
    {
        Writer writer(m_db, QStringLiteral("MC_JeyGongPumInPut_TaAc"));
        Serials serials(m_db, QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_Serial"));
        for (Lot &lot : m_lots) {
            if (!m_random.chance(m_shape.transferShare) || lot.remaining < 0.01 || lot.quantity == 0)
                continue;
            const double q = roundDecimals(lot.remaining * m_random.between(0.1, 0.5, 4), 4);
            const double s = lot.quantity;
            Row row = movementRow("TaGong_", serials.next(), date(16), MaterialStems, lot.texts, lot.textMemo);
            row.insert("TaGong_SuKg", q);
            row.insert("TaGong_DanGa", round15(lot.price));
            const double gaAmt = roundDecimals(q * lot.gaAmt / s, 4);
            row.insert("TaGong_GaAmt", gaAmt);
            row.insert("TaGong_Kubun", QStringLiteral("당월입고"));
            row.insert("TaGong_Bigo", lot.bigo);
            const char *rates[] = {"TaGong_JenGiWoul", "TaGong_DaongWoul", "TaGong_TotWoul"};
            for (int i = 0; i < 3; ++i)
                row.insert(QLatin1String(rates[i]), round15(lot.rates[i]));
            LotAmounts shares{};
            double labourAndOverhead = 0;
            for (int i = 0; i < 10; ++i) {
                shares[size_t(i)] = roundDecimals(q * lot.amounts[size_t(i)] / s, 4);
                row.insert("TaGong_" + LotAmountStems.at(i), shares[size_t(i)]);
                if (i != 0 && i != 5)
                    labourAndOverhead += lot.amounts[size_t(i)];
            }
            row.insert("TaGong_WoulAmtTot", roundDecimals(q * (lot.gaAmt + labourAndOverhead) / s, 4));
            stamp(row, "TaGong_");
            row.insert("TaGong_InPutSerial", lot.inputSerial);
            row.insert("TaGong_GongSerial", lot.serial);
            row.insert("TaGong_JeyPumCode", QString(""));
            row.insert("TaGong_JeyPumName", QString(""));
            row.insert("TaGong_JeyPumSuKg", q);
            row.insert("TaGong_JeyPumSerial", QString(""));
            writer.write(row);
            lot.remaining -= q;
            if (lot.complete()) {
                // A transfer of a complete lot is no longer there for the warehouse.
                lot.availQuantity -= q;
                lot.availGaAmt -= gaAmt;
                for (int i = 0; i < 10; ++i)
                    lot.availAmounts[size_t(i)] -= shares[size_t(i)];
            }
            ++m_figures.lotTransfers;
        }
    }

    // Completions into the warehouse: for N units of a product, each raw material of its
    // tree taken from the complete lots oldest first, as the warehouse screen does.
    void completions()
    {
        QVector<std::deque<int>> queues(m_materials.size());
        QVector<int> order(int(m_lots.size()));
        for (int i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return std::tie(m_lots[size_t(a)].date, m_lots[size_t(a)].serial) <
                   std::tie(m_lots[size_t(b)].date, m_lots[size_t(b)].serial);
        });
        QVector<double> available(m_materials.size(), 0.0);
        for (int i : order) {
            const Lot &lot = m_lots[size_t(i)];
            if (lot.complete() && lot.material >= 0 && lot.availQuantity > 0.00001) {
                queues[lot.material].push_back(i);
                available[lot.material] += lot.availQuantity;
            }
        }
        Writer completionWriter(m_db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"));
        Serials completionSerials(m_db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"),
                                  QStringLiteral("InGong_Serial"));
        Writer receiptWriter(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut"));
        m_productSerials.emplace(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("JeyPum_Serial"));

        const int limit = std::max(1, m_shape.lots * 2 / 3);
        int idle = 0;
        for (int k = 0; m_figures.productReceipts < limit && idle < m_products.size(); ++k) {
            const Product &product = m_products.at(k % m_products.size());
            double most = 1e300;
            for (const TreeItem &item : product.tree)
                most = std::min(most, available[item.material] / item.perUnit);
            if (product.tree.isEmpty() || most < 1) {
                ++idle;
                continue;
            }
            idle = 0;
            const double n = roundDecimals(std::min(most, m_random.between(2, 40, 0) + m_random.between(0, 1, 4)), 4);
            if (n <= 0)
                continue;
            const QString receiptSerial = m_productSerials->next();
            const QString day = date(18 + m_random.below(3));
            ProductReceipt receipt;
            receipt.serial = receiptSerial;
            receipt.texts = {product.code, product.name, product.danWi, product.model, product.pumName, product.kuSize,
                             QString(""),  QString(""),  QString(""),   QString(""),   QString(""),     QString("")};
            receipt.quantity = n;
            for (const TreeItem &item : product.tree) {
                const Material &mat = m_materials.at(item.material);
                std::deque<int> &queue = queues[item.material];
                double need = n * item.perUnit;
                while (need > 0 && !queue.empty()) {
                    Lot &lot = m_lots[size_t(queue.front())];
                    const double k = lot.availQuantity;
                    double take = 0;
                    if (k - need >= 0) {
                        take = k - need == 0 ? k : need;
                        need = 0;
                    } else {
                        take = k;
                        need -= k;
                    }
                    const double t = roundDecimals(take, 4);
                    Row row;
                    row.insert("InGong_Serial", completionSerials.next());
                    row.insert("InGong_Date", day);
                    row.insert("InGong_Year", m_month.year);
                    row.insert("InGong_Month", m_month.month);
                    row.insert("InGong_WonCode", mat.texts[0]);
                    row.insert("InGong_WonName", mat.texts[1]);
                    row.insert("InGong_DanWi", mat.texts[2]);
                    row.insert("InGong_Model", mat.texts[3]);
                    row.insert("InGong_PumName", mat.texts[4]);
                    row.insert("InGong_KuSize", mat.texts[5]);
                    for (const char *stem :
                         {"SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"})
                        row.insert(QStringLiteral("InGong_") + QLatin1String(stem), QString(""));
                    row.insert("InGong_TextMemo", QStringLiteral("제품창고입고"));
                    row.insert("InGong_SuKg", t);
                    row.insert("InGong_DanGa", round15(lot.price));
                    const double gaAmt = roundDecimals(lot.availGaAmt * t / k, 4);
                    row.insert("InGong_GaAmt", gaAmt);
                    row.insert("InGong_Kubun", QStringLiteral("당월입고"));
                    row.insert("InGong_Bigo", QString(""));
                    const char *rates[] = {"InGong_JenGiWoul", "InGong_DaongWoul", "InGong_TotWoul"};
                    for (int i = 0; i < 3; ++i)
                        row.insert(QLatin1String(rates[i]), round15(lot.rates[i]));
                    LotAmounts shares{};
                    double all = 0;
                    for (int i = 0; i < 10; ++i) {
                        shares[size_t(i)] = roundDecimals(lot.availAmounts[size_t(i)] * t / k, 4);
                        row.insert("InGong_" + LotAmountStems.at(i), shares[size_t(i)]);
                        all += lot.availAmounts[size_t(i)];
                    }
                    const double total = roundDecimals(all * t / k, 4);
                    row.insert("InGong_WoulAmtTot", total);
                    row.insert("InGong_JeyPumCode", product.code);
                    row.insert("InGong_JeyPumName", product.name);
                    row.insert("InGong_JeyPumSuKg", n);
                    row.insert("InGong_WonJaJeySuKg", roundDecimals(n * item.perUnit, 4));
                    stamp(row, "InGong_");
                    row.insert("InGong_InPutSerial", lot.inputSerial);
                    row.insert("InGong_GongSerial", lot.serial);
                    row.insert("InGong_JeyPumSerial", receiptSerial);
                    completionWriter.write(row);
                    ++m_figures.completions;

                    receipt.gaAmt += gaAmt;
                    receipt.amounts[0] += shares[1] + shares[6];
                    receipt.amounts[1] += shares[2] + shares[7];
                    receipt.amounts[2] += shares[3] + shares[8];
                    receipt.amounts[3] += shares[4] + shares[9];
                    receipt.totGaAmt += total;
                    lot.availQuantity -= t;
                    lot.availGaAmt -= gaAmt;
                    for (int i = 0; i < 10; ++i)
                        lot.availAmounts[size_t(i)] -= shares[size_t(i)];
                    lot.remaining -= t;
                    available[item.material] -= t;
                    if (lot.availQuantity <= 0.00001)
                        queue.pop_front();
                }
            }
            Row row =
                movementRow("JeyPum_", receiptSerial, day, ProductStems, receipt.texts, QStringLiteral("제품창고입고"));
            row.insert("JeyPum_SuKg", n);
            row.insert("JeyPum_GaAmt", receipt.gaAmt);
            row.insert("JeyPum_JenGiNoMu", receipt.amounts[0]);
            row.insert("JeyPum_DaongNoMu", receipt.amounts[1]);
            row.insert("JeyPum_JenGiJeyJo", receipt.amounts[2]);
            row.insert("JeyPum_DaongJeyJo", receipt.amounts[3]);
            row.insert("JeyPum_TotGaAmt", receipt.totGaAmt);
            row.insert("JeyPum_Kubun", QStringLiteral("당월입고"));
            row.insert("JeyPum_Bigo", QString(""));
            stamp(row, "JeyPum_");
            for (const char *link :
                 {"BanPum_ChulGoSerial", "BanPum_ChulGoJeyPumSerial", "BanPum_NewChulGoSerial", "JeyPum_JeyPumSerial"})
                row.insert(QLatin1String(link), QString(""));
            receiptWriter.write(row);
            receipt.remaining = n;
            m_productReceipts.push_back(receipt);
            ++m_figures.productReceipts;
        }
    }

    // Sales and transfers drawn on a chosen receipt at its average unit cost.
    void shipments()
    {
        m_shipmentWriter.emplace(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"));
        m_shipmentSerials.emplace(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"),
                                  QStringLiteral("ChulGo_Serial"));
        Writer transferWriter(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"));
        Serials transferSerials(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"), QStringLiteral("TaJeyPum_Serial"));
        for (ProductReceipt &r : m_productReceipts) {
            if (r.quantity <= 0)
                continue;
            QVector<double> quantities;
            const double draw = m_random.unit();
            if (draw < 0.1 && r.remaining == roundDecimals(r.remaining, 1)) {
                // Sold out in pieces of one decimal: the remainder is a binary residue.
                const double first = roundDecimals(r.remaining * 0.3, 1);
                quantities = {first, first, roundDecimals(r.remaining - 2 * first, 1)};
            } else if (draw < 0.8) {
                quantities = {roundDecimals(r.remaining * m_random.between(0.2, 0.6, 4), 4)};
                if (m_random.chance(0.3))
                    quantities.append(
                        roundDecimals((r.remaining - quantities.first()) * m_random.between(0.2, 0.6, 4), 4));
            }
            for (double q : quantities)
                if (q > 0)
                    sell(r, q);
            if (r.remaining > 0.01 && m_random.chance(0.15)) {
                const double q = roundDecimals(r.remaining * m_random.between(0.1, 0.5, 4), 4);
                const auto part = [&](double amount) {
                    return productfigures::share(amount, q, r.quantity);
                };
                Row row = movementRow("TaJeyPum_", transferSerials.next(), date(24), ProductStems, r.texts,
                                      QStringLiteral("견본출고"));
                row.insert("TaJeyPum_SuKg", q);
                row.insert("TaJeyPum_GaAmt", part(r.gaAmt));
                row.insert("TaJeyPum_JenGiNoMu", part(r.amounts[0]));
                row.insert("TaJeyPum_DaongNoMu", part(r.amounts[1]));
                row.insert("TaJeyPum_JenGiJeyJo", part(r.amounts[2]));
                row.insert("TaJeyPum_DaongJeyJo", part(r.amounts[3]));
                row.insert("TaJeyPum_TotGaAmt", part(r.totGaAmt));
                row.insert("TaJeyPum_Kubun", QStringLiteral("당월타계정"));
                row.insert("TaJeyPum_Bigo", QString(""));
                stamp(row, "TaJeyPum_");
                row.insert("TaJeyPum_JeyPumSerial", r.serial);
                transferWriter.write(row);
                r.remaining -= q;
                ++m_figures.productTransfers;
            }
        }
    }

    void sell(ProductReceipt &r, double q)
    {
        const double unitCost = r.totGaAmt / r.quantity;
        const double price = roundDecimals(roundDown(-5, std::max(unitCost, 1.0) * m_random.between(1.1, 1.6, 4)), 4);
        const int customer = m_random.below(int(Customers.size()));
        Texts texts = r.texts;
        texts[8] = QStringLiteral("C%1").arg(customer + 1, 3, 10, QChar(u'0'));
        texts[9] = Customers.at(customer);
        texts[10] = QStringLiteral("211-86-%1").arg(10000 + customer);
        texts[11] = QStringLiteral("사장%1").arg(customer + 1);
        Row row = movementRow("ChulGo_", m_shipmentSerials->next(), date(22 + m_random.below(5)), ProductStems, texts,
                              QStringLiteral("제품매출"));
        row.insert("ChulGo_SuKg", q);
        row.insert("ChulGo_DanGa", price);
        row.insert("ChulGo_GaAmt", productfigures::salesAmount(price, q));
        row.insert("ChulGo_WonJaJeyAmt", productfigures::share(r.totGaAmt, q, r.quantity));
        row.insert("ChulGo_Bigo", QString(""));
        stamp(row, "ChulGo_");
        row.insert("ChulGo_JeyPumSerial", r.serial);
        row.insert("ChulGo_Kubun", QStringLiteral("정기매출출고"));
        for (const char *link : {"BanPum_ChulGoSerial", "BanPum_ChulGoJeyPumSerial", "BanPum_NewJeyPumSerial"})
            row.insert(QLatin1String(link), QString(""));
        m_shipmentWriter->write(row);
        r.remaining -= q;
        ++m_figures.shipments;
    }

    // Returns of sales of earlier months: a receipt at the sale's cost per unit and a
    // negative sale.
    void returns()
    {
        const int wanted = m_shape.returns >= 0 ? m_shape.returns : std::max(1, m_shape.lots / 50);
        QVector<Sale> sales;
        m_db.forEachRow(
            QStringLiteral("Select * From MC_ChaongGoJeyPumInPut_ChulGo S Where S.ChulGo_Kubun = '정기매출출고' "
                           "And (S.ChulGo_Year || S.ChulGo_Month) < :tbPeriod And Not Exists (Select 1 From "
                           "MC_ChaongGoJeyPumInPut_ChulGo R Where R.BanPum_ChulGoSerial = S.ChulGo_Serial) "
                           "Order By S.ChulGo_Serial Desc Limit :tbLimit"),
            {{":tbPeriod", m_month.text()}, {":tbLimit", wanted}}, [&](const RowReader &r) {
                sales.append({r.text("ChulGo_Serial"), textsOf(r, "ChulGo_", ProductStems), r.number("ChulGo_SuKg"),
                              r.number("ChulGo_DanGa"), r.number("ChulGo_GaAmt"), r.number("ChulGo_WonJaJeyAmt"),
                              r.text("ChulGo_JeyPumSerial")});
            });
        Writer receiptWriter(m_db, QStringLiteral("MC_ChaongGoJeyPumInPut"));
        for (const Sale &s : sales) {
            if (s.quantity <= 0)
                continue;
            const double a =
                m_random.chance(0.3) ? s.quantity : roundDecimals(s.quantity * m_random.between(0.2, 0.9, 4), 4);
            if (a <= 0)
                continue;
            // The figures the return screen's core writes.
            const productfigures::ReturnFigures f =
                productfigures::returnFigures(a, {s.quantity, s.price, s.amount, s.costOfSales});
            const QString receiptSerial = m_productSerials->next();
            const QString returnSerial = m_shipmentSerials->next();
            const QString day = date(27);
            Row receipt = movementRow("JeyPum_", receiptSerial, day, ProductStems, s.texts, QStringLiteral("매출반품"));
            receipt.insert("JeyPum_SuKg", f.quantity);
            for (const char *stem : {"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo"})
                receipt.insert(QStringLiteral("JeyPum_") + QLatin1String(stem), 0.0);
            receipt.insert("JeyPum_TotGaAmt", f.receiptCost);
            receipt.insert("JeyPum_Kubun", QStringLiteral("매출반품입고"));
            receipt.insert("JeyPum_Bigo", QString(""));
            stamp(receipt, "JeyPum_");
            receipt.insert("BanPum_ChulGoSerial", s.serial);
            receipt.insert("BanPum_ChulGoJeyPumSerial", s.receiptSerial);
            receipt.insert("BanPum_NewChulGoSerial", returnSerial);
            receipt.insert("JeyPum_JeyPumSerial", QString(""));
            receiptWriter.write(receipt);

            Row back = movementRow("ChulGo_", returnSerial, day, ProductStems, s.texts, QStringLiteral("매출반품"));
            back.insert("ChulGo_SuKg", f.rowQuantity);
            back.insert("ChulGo_DanGa", f.rowPrice);
            back.insert("ChulGo_GaAmt", f.rowAmount);
            back.insert("ChulGo_WonJaJeyAmt", f.receiptCost);
            back.insert("ChulGo_Bigo", QString(""));
            stamp(back, "ChulGo_");
            back.insert("ChulGo_JeyPumSerial", QString(""));
            back.insert("ChulGo_Kubun", QStringLiteral("반품매출액"));
            back.insert("BanPum_ChulGoSerial", s.serial);
            back.insert("BanPum_ChulGoJeyPumSerial", s.receiptSerial);
            back.insert("BanPum_NewJeyPumSerial", receiptSerial);
            m_shipmentWriter->write(back);
            ++m_figures.returns;
        }
    }

    struct Account {
        QString code;
        QString name;
        QString group;
    };

    Account account(const QString &code)
    {
        const ResultSet rs = m_db.query(QStringLiteral("Select Ac_AcName, Ac_AcNameCall From MC_AcNameCode "
                                                       "Where Ac_AcCode = :tbCode"),
                                        {{":tbCode", code}});
        if (rs.isEmpty())
            throw StoreError(QStringLiteral("account %1 missing from the chart").arg(code));
        const QString name = rs.text(0, "Ac_AcName");
        const QString call = rs.text(0, "Ac_AcNameCall");
        return {code, name, call.left(call.size() - name.size() - 1)};
    }

    void amounts()
    {
        Writer writer(m_db, QStringLiteral("MC_AcNameAmtInPut"));
        Serials serials(m_db, QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_Serial"));
        const QVector<Account> labour{account("40403001"), account("40403002")};
        const QVector<Account> overhead{account("40404005"), account("40404007"), account("40404013")};
        const QVector<Account> income{account("40701001"), account("40901001")};
        auto write = [&](const Account &a, const QString &kind, const QString &lot, double amount) {
            const bool manufacturing = a.code.startsWith(QStringLiteral("404"));
            writer.write(
                {{"Amt_Serial", serials.next()},
                 {"Amt_Date", date(28)},
                 {"Amt_Year", m_month.year},
                 {"Amt_Month", m_month.month},
                 {"Amt_GroupKubun", manufacturing ? QStringLiteral("제조원가명세서") : QStringLiteral("손익계산서")},
                 {"Amt_AcCode", a.code},
                 {"Amt_AcName", a.name},
                 {"Amt_GroupAcName", a.group},
                 {"Amt_JeyJoKubun", kind},
                 {"Amt_JeyGongPumSerial", lot},
                 {"Amt_TextMemo", a.name + QStringLiteral(" 발생")},
                 {"Amt_Bigo", QString("")},
                 {"Amt_Amt", amount},
                 {"Amt_Check_01", QString("")},
                 {"Amt_Check_02", QString("")},
                 {"Amt_Check_03", m_audit.volumeSerial},
                 {"Amt_Check_04", m_audit.computerName},
                 {"Amt_Check_05", m_audit.folder},
                 {"Amt_SaveDate", m_audit.saveDate}});
            ++m_figures.amounts;
        };
        for (const Lot &lot : m_lots) {
            if (!m_random.chance(m_shape.directShare))
                continue;
            const QVector<Account> &group = m_random.chance(0.5) ? labour : overhead;
            write(group.at(m_random.below(int(group.size()))), QStringLiteral("직접"), lot.serial,
                  m_random.between(1000, 500000, 0));
        }
        const QString common = QStringLiteral("간접(공통)비");
        const double scale = std::max(1, m_shape.lots) * 4000.0;
        for (const Account &a : labour)
            write(a, QStringLiteral("간접"), common, std::floor(m_random.between(0.5, 1.5, 4) * scale));
        for (const Account &a : overhead)
            write(a, QStringLiteral("간접"), common, std::floor(m_random.between(0.3, 1.0, 4) * scale));
        for (const Account &a : income)
            write(a, QStringLiteral("간접"), common, std::floor(m_random.between(0.1, 0.5, 4) * scale));
    }

    // Lots are written last, with the rates the completion screen gave them; the lots the
    // close brought forward are updated as that screen does.
    void writeLots()
    {
        Writer writer(m_db, QStringLiteral("MC_JeyGongPumInPut"));
        PreparedStatement rate = m_db.prepare(QStringLiteral(
            "UpDate MC_JeyGongPumInPut Set Gong_DaongWoul = :tbDaongWoul, Gong_TotWoul = :tbTotWoul, "
            "Gong_DaongWonAmt = :tbDaongWonAmt, Gong_SaveDate = :tbSaveDate Where Gong_Serial = :tbSerial"));
        for (const Lot &lot : m_lots) {
            if (lot.broughtForward) {
                rate.run({{":tbDaongWoul", lot.rates[1]},
                          {":tbTotWoul", lot.rates[2]},
                          {":tbDaongWonAmt", lot.amounts[5]},
                          {":tbSaveDate", m_audit.saveDate},
                          {":tbSerial", lot.serial}});
                continue;
            }
            Row row = movementRow("Gong_", lot.serial, lot.date, MaterialStems, lot.texts, lot.textMemo);
            row.insert("Gong_SuKg", lot.quantity);
            row.insert("Gong_DanGa", lot.price);
            row.insert("Gong_GaAmt", lot.gaAmt);
            row.insert("Gong_Kubun", lot.kubun);
            row.insert("Gong_Bigo", lot.bigo);
            row.insert("Gong_JenGiWoul", lot.rates[0]);
            row.insert("Gong_DaongWoul", lot.rates[1]);
            row.insert("Gong_TotWoul", lot.rates[2]);
            for (int i = 0; i < 10; ++i)
                row.insert("Gong_" + LotAmountStems.at(i), lot.amounts[size_t(i)]);
            row.insert("Gong_WoulAmtTot", lot.woulAmtTot);
            stamp(row, "Gong_");
            row.insert("Gong_InPutSerial", lot.inputSerial);
            row.insert("Gong_GongSerial", lot.gongSerial);
            writer.write(row);
        }
    }

    Db &m_db;
    Random m_random;
    AuditValues m_audit;
    MonthShape m_shape;
    Period m_month;
    MonthFigures m_figures;
    QVector<Material> m_materials;
    QHash<QString, int> m_materialIndex;
    QVector<Product> m_products;
    std::vector<Receipt> m_receipts;
    std::vector<Lot> m_lots;
    std::vector<ProductReceipt> m_productReceipts;
    std::optional<Serials> m_lotSerials;
    std::optional<Serials> m_productSerials;
    std::optional<Writer> m_shipmentWriter;
    std::optional<Serials> m_shipmentSerials;
};

} // namespace

MonthGenerator::MonthGenerator(Db &db, quint32 seed, const AuditValues &audit) : m_db(db), m_seed(seed), m_audit(audit)
{
}

AuditValues MonthGenerator::fixedAudit()
{
    return {QStringLiteral("1234 - ABCD"), QStringLiteral("GENHOST"), QStringLiteral("/opt/zedur/"),
            QStringLiteral("2005-04-30 18:00:00")};
}

MonthFigures MonthGenerator::fillOpenMonth(const MonthShape &shape)
{
    // Each month draws from its own stream, so that one month's shape does not move the next.
    const std::optional<PeriodRow> open = period::theOpenPeriod(m_db);
    const quint32 monthSeed = m_seed * 1000003u + (open ? open->period.text().toUInt() : 0u);
    return MonthFiller(m_db, monthSeed, m_audit, shape).fill();
}

void generateBooks(Db &db, quint32 seed, int months, const MonthShape &shape, bool allocateLast)
{
    MonthGenerator generator(db, seed);
    for (int i = 0; i < months; ++i) {
        generator.fillOpenMonth(shape);
        const bool last = i == months - 1;
        if (last && !allocateLast)
            break;
        const Period month = period::theOpenPeriod(db)->period;
        const RunOutcome allocated = runAllocation(db, month);
        if (!allocated.done())
            throw StoreError(QStringLiteral("generated month not allocated: ") + allocated.refusal->text);
        if (last)
            break;
        const CloseOutcome closed = runMonthClose(db, month, CloseOptions{false});
        if (!closed.done())
            throw StoreError(QStringLiteral("generated month not closed: ") + closed.refusal->text);
    }
}

} // namespace zedur::test
