#pragma once

#include <QDateTime>
#include <QString>

namespace zedur {

// When the whole books file is checked at start-up. The check reads every page, so on books
// of years it takes seconds; it runs when damage is likely or has had time to build up: the
// program did not stop cleanly last time it had these books, a week has passed since the
// last check passed, or never. What this user's program knows about a set of books is kept
// in a small file of the user's own settings, one per books (never beside the books, which
// may be read-only).
class IntegrityCheckRecord
{
public:
    static constexpr int daysBetweenChecks = 7;

    // `folder`: where the records are kept; empty, the user's settings folder.
    explicit IntegrityCheckRecord(const QString &booksLocation, const QString &folder = {});

    bool due(const QDateTime &now = QDateTime::currentDateTime()) const;
    // The steps the last check took: a measure of how long the next one will be; 0 unknown.
    qint64 lastSteps() const;

    void passed(qint64 steps, const QDateTime &now = QDateTime::currentDateTime());
    // The books are in use from now on; until stoppedCleanly(), a start finds them not left
    // cleanly and checks them.
    void inUse();
    void stoppedCleanly();

private:
    QString m_file;
};

} // namespace zedur
