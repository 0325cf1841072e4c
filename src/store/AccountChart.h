#pragma once

namespace zedur {

class Db;
struct AuditValues;

// Writes the starting chart of accounts of both statements into an empty MC_AcNameCode.
void insertStartingChart(Db &db, const AuditValues &audit);

} // namespace zedur
