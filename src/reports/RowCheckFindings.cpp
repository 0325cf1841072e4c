#include "reports/RowCheckFindings.h"

#include "store/ScratchTables.h"

#include <cmath>

namespace zedur::reports::rowchecks {

bool Findings::apart(double stored, double workedOut, double tolerance)
{
    if (std::isnan(stored) || std::isnan(workedOut))
        return std::isnan(stored) != std::isnan(workedOut);
    const double noise = Noise * (1.0 + std::max(std::fabs(stored), std::fabs(workedOut)));
    return std::fabs(stored - workedOut) > tolerance + noise;
}

bool Findings::differs(const QString &table, const QString &serial, const QString &column, double stored,
                       double workedOut, double tolerance)
{
    if (!apart(stored, workedOut, tolerance))
        return false;
    const QString key = table + u'|' + serial + u'|' + column;
    if (!m_named.contains(key)) {
        m_named.insert(key);
        m_out.differences << RowDifference{table, serial, column, stored, workedOut, tolerance};
    }
    return true;
}

Repairs::Repairs(Db &db, const ScratchCopy &copy) : m_db(db), m_copy(copy) {}

void Repairs::set(const QString &serial, const QString &column, double value, double slack)
{
    m_values.append({serial, column, value});
    if (slack > 0)
        m_slack[serial] = std::max(m_slack.value(serial, 0.0), slack);
}

void Repairs::apply()
{
    for (const auto &[serial, column, value] : std::as_const(m_values))
        m_db.exec(QStringLiteral("UPDATE %1 SET %2 = :tbValue WHERE %3 = :tbSerial")
                      .arg(m_copy.name(), column, m_copy.serialColumn()),
                  {{":tbValue", value}, {":tbSerial", serial}});
    m_values.clear();
}

} // namespace zedur::reports::rowchecks
