#include "imports/AccountImport.h"

#include "imports/ImportColumns.h"
#include "masters/AccountCodes.h"
#include "store/Db.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <optional>

namespace zedur::imports {

namespace {

const QString Code = QStringLiteral("Ac_AcCode");
const QString Name = QStringLiteral("Ac_AcName");
const QString Memo = QStringLiteral("Ac_TextMemo");
const QString Group = QStringLiteral("Ac_TotalCode");
constexpr int CodeLength = 8;

QVector<Field> accountFields()
{
    const QString t = accounts::table;
    return {textField(t, Code, {"계정과목 코드", "계정코드", "코드"}),
            textField(t, Name, {"계정과목 이름", "계정과목명", "이름"}),
            textField(t, Memo, {"적요 및 메모", "적요및메모", "적요"}),
            textField(t, Group, {"집계 계정과목 코드", "그룹 계정과목 코드"})};
}

QString prefixOf(const QString &code)
{
    return code.left(5);
}

class AccountImport : public Importer
{
public:
    explicit AccountImport(ImportContext &context)
        : m_fields(accountFields()), m_update(context.options().update), m_books(context.db())
    {
        const QStringList columns = schema::table(accounts::table).columnNames();
        context.db().forEachRow(QStringLiteral("Select * From ") + accounts::table, {}, [&](const RowReader &r) {
            QHash<QString, QString> row;
            for (const QString &c : columns)
                row.insert(c, r.value(c).toString()); // as stored: leading blanks are data
            const QString code = r.text(Code);
            m_stored.insert(code, row);
            const QString d = r.text("Ac_Kubun_D");
            if (d == accounts::groupDetailNumber && r.text("Ac_InPutKubun") == accounts::groupInputKind)
                m_groups.insert(code, {code, r.text(Name), r.text("Ac_Kubun_A"), r.text("Ac_Kubun_B"),
                                       r.text("Ac_Kubun_C"), d, r.text("Ac_GroupKubun")});
            bool number = false;
            const int n = d.toInt(&number);
            if (number)
                m_greatest[prefixOf(code)] = qMax(m_greatest.value(prefixOf(code)), n);
        });
    }

    bool beginSheet(ImportContext &context, const QString &sheet, int titleRow, const SheetCells &titles) override
    {
        QVector<Problem> problems;
        m_columns.emplace(m_fields, titles, problems);
        m_columns->requireAll({Name}, problems);
        if (!m_columns->has(Code) && !m_columns->has(Group))
            m_columns->requireAll({Code}, problems);
        for (const Problem &p : problems)
            context.fileProblem(sheet, titleRow, p);
        return problems.isEmpty();
    }

    void row(ImportContext &context, const QString &sheet, int number, const SheetCells &cells) override
    {
        FieldRow r(*m_columns, cells);
        const QString name = r.text(Name);
        const bool memoGiven = r.has(Memo);
        const QString memo = memoGiven ? r.text(Memo) : QString();
        QString code = r.has(Code) ? r.code(Code) : QString();
        const QString groupCode = r.has(Group) ? r.code(Group) : QString();
        if (name.isEmpty())
            r.problem(Name, QStringLiteral("계정과목 이름를 선택및등록 하세요......"));
        RowReport report{sheet, number, RowAction::Refused, code, name, {}};
        std::optional<accounts::Group> group;
        if (r.ok()) {
            if (code.isEmpty())
                code = nextCode(r, groupCode, group);
            else
                report.action = judgeCode(r, code, groupCode, name, memo, memoGiven, group);
        }
        if (!code.isEmpty() && r.ok()) {
            if (const int first = m_fileCodes.value(code); first > 0)
                r.problem(Code, QStringLiteral("파일의 %1행과 계정과목 코드가 같습니다.").arg(first));
            else
                m_fileCodes.insert(code, number);
        }
        if (group && r.ok()) {
            report.action = RowAction::Add;
            m_greatest[prefixOf(code)] = qMax(m_greatest.value(prefixOf(code)), code.right(3).toInt());
        }
        report.code = code;
        report.problems = r.problems();
        if (!r.ok())
            report.action = RowAction::Refused;
        context.report(report);
        if (!context.writing())
            return;
        if (report.action == RowAction::Add)
            add(context, *group, code.right(3), name, memo);
        else if (report.action == RowAction::Update)
            updateRow(context.db(), accounts::table,
                      accounts::changedAccountRow(m_stored.value(code), name,
                                                  memoGiven ? memo : m_stored.value(code).value(Memo), context.audit()),
                      QStringLiteral("Ac_Serial"), m_stored.value(code).value("Ac_Serial"));
    }

private:
    // The file names only the group: the next free number under it.
    QString nextCode(FieldRow &r, const QString &groupCode, std::optional<accounts::Group> &group)
    {
        if (groupCode.isEmpty()) {
            r.problem(Code, QStringLiteral("계정과목 코드를 선택및등록 하세요......"));
            return {};
        }
        if (!m_groups.contains(groupCode)) {
            r.problem(Group, QStringLiteral("집계 계정과목(그룹) 코드가 아닙니다: ") + groupCode);
            return {};
        }
        const int next = m_greatest.value(prefixOf(groupCode)) + 1;
        if (next >= accounts::firstRefusedDetailNumber) {
            r.problem(Group, oneLine(accounts::groupFullText));
            return {};
        }
        group = m_groups.value(groupCode);
        return prefixOf(groupCode) + accounts::detailNumberText(next);
    }

    RowAction judgeCode(FieldRow &r, const QString &code, const QString &groupCode, const QString &name,
                        const QString &memo, bool memoGiven, std::optional<accounts::Group> &group)
    {
        if (code.size() != CodeLength) {
            r.problem(Code, QStringLiteral("계정과목 코드는 %1자입니다: ").arg(CodeLength) + code);
            return RowAction::Refused;
        }
        const auto stored = m_stored.constFind(code);
        if (stored != m_stored.constEnd()) {
            if (stored->value(Name).trimmed() == name && (!memoGiven || stored->value(Memo).trimmed() == memo))
                return RowAction::Same;
            if (!m_update) {
                r.problem(Code, QStringLiteral("장부에 이미 있는 계정과목 코드입니다 (고치려면 '있는 코드 고치기'를 "
                                               "고르세요)."));
                return RowAction::Refused;
            }
            if (stored->value("Ac_Kubun_D").trimmed() == accounts::groupDetailNumber) {
                r.problem(Code, oneLine(accounts::lockText(accounts::AccountLock::Supplied, false)));
                return RowAction::Refused;
            }
            const accounts::AccountLock lock = accounts::changeLock(m_books, code, stored->value("Ac_Check_01"));
            if (lock != accounts::AccountLock::None) {
                r.problem(Code, oneLine(accounts::lockText(lock, false)));
                return RowAction::Refused;
            }
            return RowAction::Update;
        }
        const QString detail = code.right(3);
        if (detail == accounts::groupDetailNumber) {
            r.problem(Code, QStringLiteral("집계(그룹) 계정과목은 장부와 함께 오며 가져올 수 없습니다: ") + code);
            return RowAction::Refused;
        }
        const QString ownGroup = prefixOf(code) + accounts::groupDetailNumber;
        if (!m_groups.contains(ownGroup)) {
            r.problem(Code, QStringLiteral("집계 계정과목(그룹) %1이(가) 없습니다.").arg(ownGroup));
            return RowAction::Refused;
        }
        if (!groupCode.isEmpty() && groupCode != ownGroup) {
            r.problem(Group,
                      QStringLiteral("계정과목 코드 %1은(는) 집계 계정과목 %2 아래의 코드입니다.").arg(code, ownGroup));
            return RowAction::Refused;
        }
        bool digits = false;
        const int n = detail.toInt(&digits);
        if (!digits || n < 1) {
            r.problem(Code, QStringLiteral("계정과목 코드의 끝 세 자리는 001부터 949까지의 번호입니다: ") + code);
            return RowAction::Refused;
        }
        if (n >= accounts::firstRefusedDetailNumber) {
            r.problem(Code, oneLine(accounts::groupFullText));
            return RowAction::Refused;
        }
        group = m_groups.value(ownGroup);
        return RowAction::Add;
    }

    void add(ImportContext &context, const accounts::Group &group, const QString &detail, const QString &name,
             const QString &memo)
    {
        m_lastSerial = m_lastSerial.isEmpty()
                           ? Serial_MaxValue(context.db(), accounts::table, QStringLiteral("Ac_Serial"))
                           : serialAfter(m_lastSerial);
        if (!m_inserter)
            m_inserter.emplace(context.db(), accounts::table);
        m_inserter->insert(accounts::newAccountRow(m_lastSerial, group, detail, name, memo, context.audit()));
    }

    QVector<Field> m_fields;
    bool m_update;
    Db &m_books;
    std::optional<SheetColumns> m_columns;
    QHash<QString, QHash<QString, QString>> m_stored; // by code, every column as stored
    QHash<QString, accounts::Group> m_groups;         // group accounts by code
    QHash<QString, int> m_greatest;                   // greatest detail number by code prefix
    QHash<QString, int> m_fileCodes;
    QString m_lastSerial;
    std::optional<RowInserter> m_inserter;
};

} // namespace

std::unique_ptr<Importer> makeAccountImport(ImportContext &context)
{
    return std::make_unique<AccountImport>(context);
}

} // namespace zedur::imports
