#pragma once

#include "reports/RowChecks.h"
#include "store/Db.h"

#include <QHash>
#include <QSet>

namespace zedur {
class ScratchCopy;
}

namespace zedur::reports::rowchecks {

// How far a stored figure may be from the one worked out again: half a unit of the last
// place it is written with. Figures written unrounded (the allocation's shares, sums of
// rows) agree up to binary noise, which every comparison allows for figures of their size.
inline constexpr double TwoPlaces = 0.005;
inline constexpr double FourPlaces = 0.00005;
inline constexpr double FivePlaces = 0.000005;
inline constexpr double Unrounded = 0.0;
// The noise of unrounded figures, relative to their size.
inline constexpr double Noise = 1e-9;

class Findings
{
public:
    explicit Findings(RowCheck &out) : m_out(out) {}

    // Compares a stored figure with the one worked out; records it and answers true when they
    // differ by more than `tolerance` (and noise). NaN stands for a figure there is none of. A
    // figure is recorded once, by the first check that finds it: a later one that compares it
    // again (the allocation's run compares every figure it might have written) adds nothing.
    bool differs(const QString &table, const QString &serial, const QString &column, double stored, double workedOut,
                 double tolerance);
    // Whether they differ, without recording it: a row's serial is read only for a difference.
    static bool apart(double stored, double workedOut, double tolerance);
    void note(const QString &text) { m_out.notes << text; }
    void counted(int rows) { m_out.rows += rows; }

private:
    RowCheck &m_out;
    QSet<QString> m_named; // table, serial and column of each recorded figure
};

// Worked-out figures put into a scratch copy in place of stored ones that were found to
// differ, so that the rows made from them are checked against sound figures and a changed
// figure is named on its own row only. Where a rule allows a range (what order the rows were
// saved in may move a figure by some rounding), the row's `slack` is that range: the figures
// made from it may be that much further off.
class Repairs
{
public:
    Repairs(Db &db, const ScratchCopy &copy);
    void set(const QString &serial, const QString &column, double value, double slack = 0);
    // How far the repaired figures of a row may be from what was once stored.
    double slack(const QString &serial) const { return m_slack.value(serial, 0.0); }
    bool anySlack() const { return !m_slack.isEmpty(); }
    // Writes the figures into the copy.
    void apply();

private:
    Db &m_db;
    const ScratchCopy &m_copy;
    QVector<std::tuple<QString, QString, double>> m_values;
    QHash<QString, double> m_slack;
};

} // namespace zedur::reports::rowchecks
