#include "store/Schema.h"

#include "store/Db.h"
#include "store/Dialect.h"

#include <QSet>
#include <stdexcept>

namespace zedur {

QStringList TableDef::columnNames() const
{
    QStringList names;
    for (const ColumnDef &c : columns)
        names << c.name;
    return names;
}

namespace schema {

namespace {

ColumnDef C(const QString &name, int width, bool notNull = false)
{
    return {name, ColumnType::Text, width, notNull};
}
ColumnDef F(const QString &name)
{
    return {name, ColumnType::Real, 0, false};
}
ColumnDef I(const QString &name, bool notNull = false)
{
    return {name, ColumnType::Integer, 0, notNull};
}

// The same columns under another table prefix ("Gong_" -> "TaGong_").
QVector<ColumnDef> renamed(const QVector<ColumnDef> &columns, const QString &from, const QString &to, int count = -1)
{
    QVector<ColumnDef> out;
    for (int i = 0; i < columns.size() && (count < 0 || i < count); ++i) {
        ColumnDef c = columns.at(i);
        c.name = to + c.name.mid(from.size());
        out << c;
    }
    return out;
}

QVector<ColumnDef> receiptColumns()
{
    return {C("InPut_Serial", 50, true), C("InPut_Date", 10),      C("InPut_Year", 4),        C("InPut_Month", 2),
            C("InPut_WonCode", 50),      C("InPut_WonName", 200),  C("InPut_DanWi", 50),      C("InPut_Model", 100),
            C("InPut_PumName", 100),     C("InPut_KuSize", 100),   C("InPut_SerialJen", 50),  C("InPut_TaxNumber", 50),
            C("InPut_SaleCode", 50),     C("InPut_SaleName", 200), C("InPut_SaleNumber", 50), C("InPut_SaleDyiPou", 50),
            C("InPut_TextMemo", 200),    F("InPut_SuKg"),          F("InPut_DanGa"),          F("InPut_GaAmt"),
            C("InPut_Kubun", 100),       C("InPut_Bigo", 200),     C("InPut_Check_01", 50),   C("InPut_Check_02", 50),
            C("InPut_Check_03", 50),     C("InPut_SaveDate", 50),  C("InPut_InPutSerial", 50)};
}

QVector<ColumnDef> lotColumns()
{
    return {C("Gong_Serial", 50, true), C("Gong_Date", 10),      C("Gong_Year", 4),        C("Gong_Month", 2),
            C("Gong_WonCode", 50),      C("Gong_WonName", 200),  C("Gong_DanWi", 50),      C("Gong_Model", 100),
            C("Gong_PumName", 100),     C("Gong_KuSize", 100),   C("Gong_SerialJen", 50),  C("Gong_TaxNumber", 50),
            C("Gong_SaleCode", 50),     C("Gong_SaleName", 200), C("Gong_SaleNumber", 50), C("Gong_SaleDyiPou", 50),
            C("Gong_TextMemo", 100),    F("Gong_SuKg"),          F("Gong_DanGa"),          F("Gong_GaAmt"),
            C("Gong_Kubun", 30),        C("Gong_Bigo", 100),     F("Gong_JenGiWoul"),      F("Gong_DaongWoul"),
            F("Gong_TotWoul"),          F("Gong_JenGiWonAmt"),   F("Gong_JenGiNoMu_01"),   F("Gong_JenGiNoMu_02"),
            F("Gong_JenGiJeyJo_01"),    F("Gong_JenGiJeyJo_02"), F("Gong_DaongWonAmt"),    F("Gong_DaongNoMu_01"),
            F("Gong_DaongNoMu_02"),     F("Gong_DaongJeyJo_01"), F("Gong_DaongJeyJo_02"),  F("Gong_WoulAmtTot"),
            C("Gong_Check_01", 50),     C("Gong_Check_02", 50),  C("Gong_Check_03", 50),   C("Gong_SaveDate", 50),
            C("Gong_InPutSerial", 50),  C("Gong_GongSerial", 50)};
}

QVector<ColumnDef> productReceiptColumns()
{
    return {C("JeyPum_Serial", 50, true),
            C("JeyPum_Date", 10),
            C("JeyPum_Year", 4),
            C("JeyPum_Month", 2),
            C("JeyPum_JeyPumCode", 50),
            C("JeyPum_JeyPumName", 200),
            C("JeyPum_DanWi", 50),
            C("JeyPum_Model", 100),
            C("JeyPum_PumName", 100),
            C("JeyPum_KuSize", 100),
            C("JeyPum_SerialJen", 50),
            C("JeyPum_TaxNumber", 50),
            C("JeyPum_SaleCode", 50),
            C("JeyPum_SaleName", 200),
            C("JeyPum_SaleNumber", 50),
            C("JeyPum_SaleDyiPou", 50),
            C("JeyPum_TextMemo", 100),
            F("JeyPum_SuKg"),
            F("JeyPum_GaAmt"),
            F("JeyPum_JenGiNoMu"),
            F("JeyPum_DaongNoMu"),
            F("JeyPum_JenGiJeyJo"),
            F("JeyPum_DaongJeyJo"),
            F("JeyPum_TotGaAmt"),
            C("JeyPum_Kubun", 30),
            C("JeyPum_Bigo", 100),
            C("JeyPum_Check_01", 50),
            C("JeyPum_Check_02", 50),
            C("JeyPum_Check_03", 50),
            C("JeyPum_SaveDate", 50),
            C("BanPum_ChulGoSerial", 50),
            C("BanPum_ChulGoJeyPumSerial", 50),
            C("BanPum_NewChulGoSerial", 50),
            C("JeyPum_JeyPumSerial", 50)};
}

QVector<TableDef> buildTables()
{
    QVector<TableDef> t;

    TableDef receipts{"MC_WonJaJeyInPut", receiptColumns(), "InPut_Serial"};
    TableDef receiptTransfers{"MC_WonJaJeyInPut_TaAc", renamed(receipts.columns, "InPut_", "TaInPut_"),
                              "TaInPut_Serial"};

    TableDef lots{"MC_JeyGongPumInPut", lotColumns(), "Gong_Serial"};
    TableDef lotTransfers{"MC_JeyGongPumInPut_TaAc", renamed(lots.columns, "Gong_", "TaGong_"), "TaGong_Serial"};
    for (ColumnDef &c : lotTransfers.columns)
        if (c.name == u"TaGong_Check_03")
            c.width = 30;
    lotTransfers.columns << C("TaGong_JeyPumCode", 50) << C("TaGong_JeyPumName", 200) << F("TaGong_JeyPumSuKg")
                         << C("TaGong_JeyPumSerial", 50);

    TableDef completions{"MC_ChaongGoJeyGongPumInJeyGong", renamed(lots.columns, "Gong_", "InGong_", 36),
                         "InGong_Serial"};
    completions.columns << C("InGong_JeyPumCode", 50) << C("InGong_JeyPumName", 200) << F("InGong_JeyPumSuKg")
                        << F("InGong_WonJaJeySuKg") << C("InGong_Check_01", 50) << C("InGong_Check_02", 50)
                        << C("InGong_Check_03", 50) << C("InGong_SaveDate", 50) << C("InGong_InPutSerial", 50)
                        << C("InGong_GongSerial", 50) << C("InGong_JeyPumSerial", 50);

    TableDef productReceipts{"MC_ChaongGoJeyPumInPut", productReceiptColumns(), "JeyPum_Serial"};
    TableDef productTransfers{"MC_ChaongGoJeyPumInPut_TaAc",
                              renamed(productReceipts.columns, "JeyPum_", "TaJeyPum_", 30), "TaJeyPum_Serial"};
    productTransfers.columns << C("TaJeyPum_JeyPumSerial", 50);

    TableDef shipments{"MC_ChaongGoJeyPumInPut_ChulGo",
                       {C("ChulGo_Serial", 50, true),
                        C("ChulGo_Date", 10),
                        C("ChulGo_Year", 4),
                        C("ChulGo_Month", 2),
                        C("ChulGo_JeyPumCode", 50),
                        C("ChulGo_JeyPumName", 200),
                        C("ChulGo_DanWi", 50),
                        C("ChulGo_Model", 100),
                        C("ChulGo_PumName", 100),
                        C("ChulGo_KuSize", 100),
                        C("ChulGo_SerialJen", 50),
                        C("ChulGo_TaxNumber", 50),
                        C("ChulGo_SaleCode", 50),
                        C("ChulGo_SaleName", 200),
                        C("ChulGo_SaleNumber", 50),
                        C("ChulGo_SaleDyiPou", 50),
                        C("ChulGo_TextMemo", 100),
                        F("ChulGo_SuKg"),
                        F("ChulGo_DanGa"),
                        F("ChulGo_GaAmt"),
                        F("ChulGo_WonJaJeyAmt"),
                        C("ChulGo_Bigo", 100),
                        C("ChulGo_Check_01", 50),
                        C("ChulGo_Check_02", 50),
                        C("ChulGo_Check_03", 50),
                        C("ChulGo_SaveDate", 50),
                        C("ChulGo_JeyPumSerial", 50),
                        C("ChulGo_Kubun", 30),
                        C("BanPum_ChulGoSerial", 50),
                        C("BanPum_ChulGoJeyPumSerial", 50),
                        C("BanPum_NewJeyPumSerial", 50)},
                       "ChulGo_Serial"};

    TableDef rawMaterials{
        "MC_WonJaJeyCode",
        {C("Won_Serial", 50, true), C("Won_Code", 50), C("Won_Name", 200), C("Won_NameAlias", 200), F("Won_DanGa"),
         C("Won_DanWi", 50), C("Won_Model", 100), C("Won_PumName", 100), C("Won_KuSize", 100), C("Won_TextMemo", 200),
         C("Won_Bigo", 200), C("Won_Check_01_Index", 50), C("Won_Check_01", 50), C("Won_Check_02", 50),
         C("Won_Check_03", 50), C("Won_Check_04", 200), C("Won_Check_05", 200), C("Won_SaveDate", 50)},
        "Won_Serial"};

    TableDef products{"MC_JeyPumCode",
                      {C("Jey_Serial", 50, true), C("Jey_Code", 50), C("Jey_Name", 200), C("Jey_NameAlias", 200),
                       C("Jey_DanWi", 50), C("Jey_Model", 100), C("Jey_PumName", 100), C("Jey_KuSize", 100),
                       C("Jey_TextMemo", 200), C("Jey_Bigo", 200), C("Jey_Check_01_Index", 50), C("Jey_Check_01", 50),
                       C("Jey_Check_02", 50), C("Jey_Check_03", 50), C("Jey_Check_04", 200), C("Jey_Check_05", 200),
                       C("Jey_SaveDate", 50)},
                      "Jey_Serial"};

    TableDef amounts{"MC_AcNameAmtInPut",
                     {C("Amt_Serial", 50, true), C("Amt_Date", 10), C("Amt_Year", 4), C("Amt_Month", 2),
                      C("Amt_GroupKubun", 50), C("Amt_AcCode", 50), C("Amt_AcName", 200), C("Amt_GroupAcName", 200),
                      C("Amt_JeyJoKubun", 50), C("Amt_JeyGongPumSerial", 50), C("Amt_TextMemo", 200),
                      C("Amt_Bigo", 200), F("Amt_Amt"), C("Amt_Check_01", 50), C("Amt_Check_02", 50),
                      C("Amt_Check_03", 50), C("Amt_Check_04", 200), C("Amt_Check_05", 200), C("Amt_SaveDate", 50)},
                     "Amt_Serial"};

    TableDef periods{"MC_YearMonthCheck",
                     {C("YM_Serial", 50, true), C("YM_Year", 4), C("YM_Month", 2), C("YM_Kubun", 50),
                      C("YM_TextMemo", 200), C("YM_ChaGiYear", 4), C("YM_ChaGiMonth", 2), C("YM_Check_01", 50),
                      C("YM_Check_02", 50), C("YM_Check_03", 100), C("YM_Check_04", 100), C("YM_Check_05", 200),
                      C("YM_SaveDate", 50)},
                     "YM_Serial"};

    TableDef trees{"MC_JeyPumTreeWonJaJey",
                   {I("Tr_Index", true), I("Tr_Level"), C("Tr_NameText", 200), C("Tr_Code", 50), C("Tr_Name", 200),
                    C("Tr_DanWi", 200), C("Tr_Model", 200), C("Tr_PumName", 200), C("Tr_KuSize", 200),
                    C("Tr_Kubun", 200), F("Tr_SuKg"), C("Tr_Bigo", 200), C("Tr_SaveDate", 50), C("Tr_Check01", 50),
                    C("Tr_Check02", 50), C("Tr_Check03", 50), C("Tr_Check04", 50), C("Tr_Check05", 50)},
                   QString()};

    TableDef accounts{
        "MC_AcNameCode",
        {C("Ac_Serial", 50, true), C("Ac_Kubun_A", 1),      C("Ac_Kubun_B", 2),      C("Ac_Kubun_C", 2),
         C("Ac_Kubun_D", 3),       C("Ac_AcCode", 50),      C("Ac_AcName", 200),     C("Ac_AcNameReport", 200),
         C("Ac_AcNameCall", 200),  C("Ac_GroupKubun", 100), C("Ac_InPutKubun", 100), C("Ac_CallKubun", 100),
         C("Ac_TotalCode", 50),    C("Ac_TextMemo", 200),   C("Ac_Check_01", 50),    C("Ac_Check_02", 100),
         C("Ac_Check_03", 100),    C("Ac_Check_04", 200),   C("Ac_Check_05", 200),   C("Ac_SaveDate", 50)},
        "Ac_Serial"};

    // The initialisation order: transactions, masters, amounts, periods, trees; accounts last.
    t << receipts << receiptTransfers << lots << lotTransfers << completions << productReceipts << productTransfers
      << shipments << rawMaterials << products << amounts << periods << trees << accounts;
    return t;
}

bool isIndexed(const QString &column)
{
    static const QStringList linkSuffixes = {"_InPutSerial", "_GongSerial", "_JeyPumSerial"};
    for (const QString &suffix : linkSuffixes)
        if (column.endsWith(suffix))
            return true;
    // BanPum_*: whether a sale was returned, and by what, is looked up by the links a return
    // writes, over every month.
    static const QStringList links = {"Amt_JeyGongPumSerial",
                                      "Amt_AcCode",
                                      "Tr_Code",
                                      "Tr_Check01",
                                      "Won_Code",
                                      "Jey_Code",
                                      "Ac_AcCode",
                                      "BanPum_ChulGoSerial",
                                      "BanPum_ChulGoJeyPumSerial",
                                      "BanPum_NewJeyPumSerial",
                                      "BanPum_NewChulGoSerial"};
    return links.contains(column);
}

QString createTableSql(Engine engine, const QString &create, const QString &name, const QVector<ColumnDef> &columns)
{
    QStringList parts;
    for (const ColumnDef &c : columns) {
        QString part = c.name + u' ' + dialect::columnType(engine, c);
        if (c.notNull)
            part += QStringLiteral(" NOT NULL");
        parts << part;
    }
    return QStringLiteral("%1 %2 (\n  %3\n)").arg(create, name, parts.join(QStringLiteral(",\n  ")));
}

} // namespace

const QVector<TableDef> &baseTables()
{
    static const QVector<TableDef> tables = buildTables();
    return tables;
}

const TableDef &table(const QString &name)
{
    for (const TableDef &t : baseTables())
        if (t.name == name)
            return t;
    throw std::logic_error("unknown table " + name.toStdString());
}

void recreateWorkTable(Db &db, const QString &name, const QVector<ColumnDef> &columns,
                       const QStringList &indexedColumns)
{
    db.exec(QStringLiteral("DROP TABLE IF EXISTS ") + dialect::workTableNameForDrop(db.engine(), name));
    db.exec(createTableSql(db.engine(), dialect::createWorkTableStatement(db.engine()), name, columns));
    for (const QString &column : indexedColumns)
        db.exec(QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%2)").arg(name, column));
}

QVector<IndexDef> indexes(const TableDef &t)
{
    QVector<IndexDef> out;
    QString yearColumn;
    QString monthColumn;
    for (const ColumnDef &c : t.columns) {
        if (c.name.endsWith(u"_Year"))
            yearColumn = c.name;
        if (c.name.endsWith(u"_Month"))
            monthColumn = c.name;
        if (isIndexed(c.name))
            out << IndexDef{QStringLiteral("IX_%1_%2").arg(t.name, c.name), t.name, c.name};
    }
    if (!yearColumn.isEmpty() && !monthColumn.isEmpty())
        out << IndexDef{QStringLiteral("IX_%1_Period").arg(t.name), t.name,
                        yearColumn + QStringLiteral(", ") + monthColumn};
    if (t.name == u"MC_JeyPumTreeWonJaJey")
        out << IndexDef{QStringLiteral("IX_%1_Tr_Index").arg(t.name), t.name, QStringLiteral("Tr_Index")};
    // The latest receipt of a product's raw materials is looked up by code over every month:
    // with the date beside the code the newest is read from the index, not from years of rows.
    if (t.name == u"MC_WonJaJeyInPut")
        out << IndexDef{QStringLiteral("IX_%1_WonCode_Date").arg(t.name), t.name,
                        QStringLiteral("InPut_WonCode, InPut_Date")};
    return out;
}

QString IndexDef::createSql() const
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)").arg(name, table, columns);
}

QStringList createStatements(Engine engine, const TableDef &t)
{
    QVector<ColumnDef> columns = t.columns;
    for (ColumnDef &c : columns)
        if (c.name == t.primaryKey)
            c.notNull = true;
    QString create = createTableSql(engine, QStringLiteral("CREATE TABLE"), t.name, columns);
    if (!t.primaryKey.isEmpty())
        create.insert(create.size() - 2, QStringLiteral(",\n  PRIMARY KEY (%1)").arg(t.primaryKey));

    QStringList statements{create};
    for (const IndexDef &index : indexes(t))
        statements << index.createSql();
    return statements;
}

int addMissingIndexes(Db &db)
{
    QSet<QString> tables;
    QSet<QString> present;
    const ResultSet rs = db.query(dialect::catalogueQuery(db.engine()));
    for (int i = 0; i < rs.size(); ++i)
        (rs.text(i, "type") == u"table" ? tables : present).insert(rs.text(i, "name").toLower());
    QVector<IndexDef> missing;
    for (const TableDef &t : baseTables())
        if (tables.contains(t.name.toLower()))
            for (const IndexDef &index : indexes(t))
                if (!present.contains(index.name.toLower()))
                    missing << index;
    if (missing.isEmpty())
        return 0;
    Transaction transaction(db);
    for (const IndexDef &index : missing)
        db.exec(index.createSql());
    transaction.commit();
    return int(missing.size());
}

void recreateTable(Db &db, const TableDef &t)
{
    db.recreate(t.name, createStatements(db.engine(), t));
}

} // namespace schema
} // namespace zedur
