#pragma once

#include <QDateTime>
#include <QString>

namespace zedur {

struct ErrorEntry {
    QString location;     // "procedure TMC_WonJaJeyCode_Form.pSqlToInsert;"
    QString content;      // what failed, in the screen's words
    QString errorClass;
    QString errorMessage;
};

// Appends one nine-line entry to the error log beside the executable (creating the
// folder when it is missing). Returns false when the file cannot be written.
bool LogError(const ErrorEntry &entry);

// The same on a given file and clock, for tests.
bool appendErrorLog(const QString &path, const ErrorEntry &entry, const QDateTime &when);

// The number the next entry of the file gets.
int nextErrorNumber(const QString &path);

} // namespace zedur
