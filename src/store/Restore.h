#pragma once

#include "common/Failure.h"
#include "common/Progress.h"
#include "store/Backup.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {

// A rule refused the restore (the books held elsewhere, a backup that is not whole books):
// nothing was changed. The message is the user's.
class RestoreRefused : public Failure
{
public:
    explicit RestoreRefused(const QString &message) : Failure(QStringLiteral("RestoreRefused"), message) {}
};

struct TableRows {
    QString table;
    qint64 rows = 0;
};

// What a restore would lose, for the confirmation.
struct RestorePreview {
    QString backupFile;
    QString presentOpen; // "2005-06 미마감"; empty for damaged books
    QString backupOpen;  // "2005-04 미마감"
    QStringList closesUndone;     // months closed now and not in the backup, oldest first
    QVector<TableRows> rowsSince; // rows the backup lacks, per table (brought-forward rows and months aside)
    bool presentDamaged = false;
};

// The text of the confirmation: what is restored and what is lost.
QString restoreConfirmationText(const RestorePreview &preview, const QString &question);

struct RestoreDone {
    QString backupOfPresent; // the backup of the books as they were, to undo the restore with
    QString folderWarning;
    QString openNow; // "2005-04 미마감"
};

// A restore in two steps: the backup expanded under a temporary name (beside file books),
// checked (integrity, exactly one open month) and compared with the books; then, once the
// user has seen what is lost, the books replaced by it.
class PreparedRestore
{
public:
    // `presentDamaged`: books the start-up check found damaged, neither read nor compared.
    // Fails with RestoreRefused when the backup is no whole books, StoreError or
    // BackupFileError when it cannot be read.
    PreparedRestore(const QString &location, const QString &backupFile, bool presentDamaged = false,
                    const Progress &progress = {});
    ~PreparedRestore();
    PreparedRestore(const PreparedRestore &) = delete;
    PreparedRestore &operator=(const PreparedRestore &) = delete;

    const RestorePreview &preview() const { return m_preview; }

    // A backup of the present books first (the restore is undone with it), then the books
    // replaced: a file by renaming the checked copy over it, with every connection of the
    // program closed beforehand; server books in one transaction replacing every row, with
    // the books held alone. Whatever stops it, the books are the old ones or the restored
    // ones. RestoreRefused (and nothing changed) when other connections hold the books.
    RestoreDone commit(const Progress &progress = {});

private:
    void commitFile(RestoreDone &done, const Progress &progress);
    void commitServer(RestoreDone &done, const Progress &progress);

    QString m_location;
    QString m_expanded; // the backup's books under a temporary name
    RestorePreview m_preview;
    bool m_committed = false;
};

} // namespace zedur
