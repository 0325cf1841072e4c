#include "imports/MasterImport.h"

#include "imports/ImportColumns.h"
#include "store/Db.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <QSet>
#include <optional>

namespace zedur::imports {

namespace {

QVector<Field> fieldsOf(const masters::MasterKind &kind)
{
    const QString t = kind.table;
    if (t == masters::rawMaterials().table)
        return {textField(t, "Won_Code", {"원자재 코드", "원재료 코드", "원자재코드", "코드"}),
                textField(t, "Won_Name", {"원자재 이름", "원자재이름", "원자재명", "이름"}),
                textField(t, "Won_NameAlias", {"원자재 별명", "원자재 별멍", "별명"}),
                {masters::RawMaterialPriceColumn, {"단가", "원자재 단가"}},
                textField(t, "Won_DanWi", {"단위", "단위 명"}),
                textField(t, "Won_Model", {"모델명", "원자재 모델명", "모델"}),
                textField(t, "Won_PumName", {"품명", "원자재 품명"}),
                textField(t, "Won_KuSize", {"규격", "원자재 규격"}),
                textField(t, "Won_TextMemo", {"적요및메모", "적요 및 메모", "적요"}),
                textField(t, "Won_Bigo", {"비고"})};
    return {textField(t, "Jey_Code", {"제품 코드", "제품코드", "코드"}),
            textField(t, "Jey_Name", {"제품 이름", "제품명", "제품이름", "이름"}),
            textField(t, "Jey_NameAlias", {"제품 별명", "별명"}),
            textField(t, "Jey_DanWi", {"단위"}),
            textField(t, "Jey_Model", {"모델명", "제품 모델명", "모델"}),
            textField(t, "Jey_PumName", {"품명", "제품 품명"}),
            textField(t, "Jey_KuSize", {"규격", "제품 규격"}),
            textField(t, "Jey_TextMemo", {"적요및메모", "적요 및 메모", "적요"}),
            textField(t, "Jey_Bigo", {"비고"})};
}

QString key(const QString &text)
{
    return text.trimmed().toLower();
}

struct StoredMaster {
    QString serial;
    QHash<QString, QVariant> values;
};

class MasterImport : public Importer
{
public:
    MasterImport(ImportContext &context, const masters::MasterKind &kind)
        : m_kind(kind), m_fields(fieldsOf(kind)), m_update(context.options().update)
    {
        Db &db = context.db();
        const QStringList columns = schema::table(kind.table).columnNames();
        db.forEachRow(QStringLiteral("Select * From ") + kind.table, {}, [&](const RowReader &r) {
            StoredMaster stored;
            stored.serial = r.text(kind.serialColumn);
            for (const QString &c : columns)
                stored.values.insert(c, r.value(c));
            const QString code = r.text(kind.codeColumn);
            m_nameOwner.insert(key(r.text(kind.nameColumn)), key(code));
            m_stored.insert(key(code), stored);
        });
        db.forEachRow(
            QStringLiteral("Select %1, %2 From %3").arg(kind.otherCodeColumn, kind.otherNameColumn, kind.otherTable),
            {}, [&](const RowReader &r) {
                m_otherCodes.insert(key(r.text(kind.otherCodeColumn)));
                m_otherNames.insert(key(r.text(kind.otherNameColumn)));
            });
        db.forEachRow(QStringLiteral("Select Distinct Tr_Code From MC_JeyPumTreeWonJaJey"), {},
                      [&](const RowReader &r) { m_treeCodes.insert(key(r.text("Tr_Code"))); });
    }

    bool beginSheet(ImportContext &context, const QString &sheet, int titleRow, const SheetCells &titles) override
    {
        QVector<Problem> problems;
        m_columns.emplace(m_fields, titles, problems);
        m_columns->requireAll({m_kind.codeColumn, m_kind.nameColumn}, problems);
        for (const Problem &p : problems)
            context.fileProblem(sheet, titleRow, p);
        return problems.isEmpty();
    }

    void row(ImportContext &context, const QString &sheet, int number, const SheetCells &cells) override
    {
        FieldRow r(*m_columns, cells);
        const QString code = r.code(m_kind.codeColumn);
        const QString name = r.text(m_kind.nameColumn);
        if (code.isEmpty())
            r.problem(m_kind.codeColumn, oneLine(m_kind.codeMissing));
        if (name.isEmpty())
            r.problem(m_kind.nameColumn, oneLine(m_kind.nameMissing));
        QHash<QString, QVariant> given{{m_kind.codeColumn, code}, {m_kind.nameColumn, name}};
        for (const Field &f : m_fields) {
            if (given.contains(f.key) || !r.has(f.key))
                continue;
            if (f.key == masters::RawMaterialPriceColumn)
                given.insert(f.key, masters::storedPrice(r.number(f.key).value_or(0.0)));
            else
                given.insert(f.key, r.text(f.key));
        }
        checkDuplicates(r, number, code, name);
        RowReport report{sheet, number, RowAction::Add, code, name, {}};
        const auto stored = m_stored.constFind(key(code));
        if (r.ok())
            report.action = decide(r, stored == m_stored.constEnd() ? nullptr : &*stored, given);
        report.problems = r.problems();
        if (!r.ok())
            report.action = RowAction::Refused;
        context.report(report);
        if (!context.writing())
            return;
        if (report.action == RowAction::Add)
            add(context, given);
        else if (report.action == RowAction::Update)
            change(context, *stored, given);
    }

private:
    void checkDuplicates(FieldRow &r, int number, const QString &code, const QString &name)
    {
        if (!code.isEmpty()) {
            if (const int first = m_fileCodes.value(key(code)); first > 0)
                r.problem(m_kind.codeColumn, QStringLiteral("파일의 %1행과 코드가 같습니다.").arg(first));
            else
                m_fileCodes.insert(key(code), number);
        }
        if (!name.isEmpty()) {
            if (const int first = m_fileNames.value(key(name)); first > 0)
                r.problem(m_kind.nameColumn, QStringLiteral("파일의 %1행과 이름이 같습니다.").arg(first));
            else
                m_fileNames.insert(key(name), number);
        }
    }

    RowAction decide(FieldRow &r, const StoredMaster *stored, const QHash<QString, QVariant> &given)
    {
        const QString code = given.value(m_kind.codeColumn).toString();
        const QString name = given.value(m_kind.nameColumn).toString();
        if (m_otherCodes.contains(key(code)))
            r.problem(m_kind.codeColumn, oneLine(m_kind.codeTakenByOther));
        if (m_otherNames.contains(key(name)))
            r.problem(m_kind.nameColumn, oneLine(m_kind.nameTakenByOther));
        const auto owner = m_nameOwner.constFind(key(name));
        if (owner != m_nameOwner.constEnd() && *owner != key(code))
            r.problem(m_kind.nameColumn, oneLine(m_kind.nameTaken));
        if (!r.ok())
            return RowAction::Refused;
        if (!stored)
            return RowAction::Add;
        if (sameAsStored(*stored, given))
            return RowAction::Same;
        if (!m_update) {
            r.problem(m_kind.codeColumn,
                      oneLine(m_kind.codeTaken) +
                          QStringLiteral(" (장부에 있는 코드를 고치려면 '있는 코드 고치기'를 고르세요.)"));
            return RowAction::Refused;
        }
        if (m_treeCodes.contains(key(code))) {
            r.problem(m_kind.codeColumn, oneLine(masters::treeLockedEditText()));
            return RowAction::Refused;
        }
        return RowAction::Update;
    }

    static bool sameAsStored(const StoredMaster &stored, const QHash<QString, QVariant> &given)
    {
        for (auto it = given.constBegin(); it != given.constEnd(); ++it) {
            const QVariant s = stored.values.value(it.key());
            if (it.value().typeId() == QMetaType::Double) {
                if (s.toDouble() != it.value().toDouble())
                    return false;
            } else if (s.toString().trimmed() != it.value().toString()) {
                return false;
            }
        }
        return true;
    }

    void add(ImportContext &context, const QHash<QString, QVariant> &given)
    {
        if (m_lastSerial.isEmpty())
            m_lastSerial = Serial_MaxValue(context.db(), m_kind.table, m_kind.serialColumn);
        else
            m_lastSerial = serialAfter(m_lastSerial);
        if (!m_inserter)
            m_inserter.emplace(context.db(), m_kind.table);
        m_inserter->insert(masters::masterRow(m_kind, m_lastSerial, given, context.audit()));
    }

    void change(ImportContext &context, const StoredMaster &stored, const QHash<QString, QVariant> &given)
    {
        QHash<QString, QVariant> values;
        for (auto it = stored.values.constBegin(); it != stored.values.constEnd(); ++it)
            if (!it.key().contains(QStringLiteral("_Check_0")) && !it.key().endsWith(u"_SaveDate"))
                values.insert(it.key(), it.value().typeId() == QMetaType::Double
                                            ? it.value()
                                            : QVariant(it.value().toString().trimmed()));
        for (auto it = given.constBegin(); it != given.constEnd(); ++it)
            values.insert(it.key(), it.value());
        updateRow(context.db(), m_kind.table, masters::masterRow(m_kind, stored.serial, values, context.audit()),
                  m_kind.serialColumn, stored.serial);
    }

    const masters::MasterKind &m_kind;
    QVector<Field> m_fields;
    bool m_update;
    std::optional<SheetColumns> m_columns;
    QHash<QString, StoredMaster> m_stored; // by code
    QHash<QString, QString> m_nameOwner;   // name -> code, in this master
    QSet<QString> m_otherCodes;
    QSet<QString> m_otherNames;
    QSet<QString> m_treeCodes;
    QHash<QString, int> m_fileCodes; // -> the row that had it first
    QHash<QString, int> m_fileNames;
    QString m_lastSerial;
    std::optional<RowInserter> m_inserter;
};

} // namespace

std::unique_ptr<Importer> makeMasterImport(ImportContext &context, const masters::MasterKind &kind)
{
    return std::make_unique<MasterImport>(context, kind);
}

} // namespace zedur::imports
