#include "store/Restore.h"

#include "common/BooksLocation.h"
#include "common/Messages.h"
#include "store/BackupFile.h"
#include "store/BooksCopy.h"
#include "store/BooksLock.h"
#include "store/Db.h"
#include "store/Periods.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <cstdio>
#include <unistd.h>

namespace zedur {

namespace {

const QString broughtForward = QStringLiteral("전기이월");

// What each table holds, in the words of the menu.
QString tableWords(const QString &table)
{
    static const QHash<QString, QString> words{
        {QStringLiteral("MC_WonJaJeyInPut"), QStringLiteral("원자재 입고")},
        {QStringLiteral("MC_WonJaJeyInPut_TaAc"), QStringLiteral("원자재 타계정대체")},
        {QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("제조공정 투입(재공품)")},
        {QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("재공품 타계정대체")},
        {QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("완성 재공품 창고입고")},
        {QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("제품 입고")},
        {QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"), QStringLiteral("제품 타계정대체")},
        {QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"), QStringLiteral("제품 출고(매출)")},
        {QStringLiteral("MC_WonJaJeyCode"), QStringLiteral("원자재 코드")},
        {QStringLiteral("MC_JeyPumCode"), QStringLiteral("제품 코드")},
        {QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("계정과목 발생금액")},
        {QStringLiteral("MC_JeyPumTreeWonJaJey"), QStringLiteral("제품 BOM Tree")},
        {QStringLiteral("MC_AcNameCode"), QStringLiteral("계정과목 코드")}};
    return words.value(table, table);
}

QString openText(const std::optional<PeriodRow> &open)
{
    return open ? open->period.year + u'-' + open->period.month + u' ' + open->state : QString();
}

// A row told apart from every other of its table: its key, or all of it for the product
// tree, which has none.
QString rowIdentity(const TableDef &t, const RowReader &row)
{
    if (!t.primaryKey.isEmpty())
        return row.text(t.primaryKey);
    QString text;
    for (const ColumnDef &c : t.columns) {
        const QVariant v = row.value(c.name);
        text += c.type == ColumnType::Real ? QString::number(v.toDouble(), 'g', 15) : v.toString().trimmed();
        text += QChar(0x1f);
    }
    return text;
}

// A row the close wrote into the month it opened: the close writes it again.
bool isBroughtForward(const TableDef &t, const RowReader &row)
{
    for (const ColumnDef &c : t.columns)
        if (c.name.endsWith(QStringLiteral("_Kubun")) && row.text(c.name) == broughtForward)
            return true;
    return false;
}

QVector<TableRows> rowsTheBackupLacks(Db &present, Db &backup)
{
    QVector<TableRows> lacking;
    for (const TableDef &t : schema::baseTables()) {
        if (t.name == booksTable)
            continue; // the months are told apart
        const QString select = QStringLiteral("SELECT * FROM %1").arg(t.name);
        QSet<QString> kept;
        backup.forEachRow(select, {}, [&](const RowReader &row) { kept.insert(rowIdentity(t, row)); });
        qint64 rows = 0;
        present.forEachRow(select, {}, [&](const RowReader &row) {
            if (!kept.contains(rowIdentity(t, row)) && !isBroughtForward(t, row))
                ++rows;
        });
        if (rows > 0)
            lacking.append({t.name, rows});
    }
    return lacking;
}

QMap<QString, QString> monthStates(Db &db)
{
    QMap<QString, QString> states;
    db.forEachRow(QStringLiteral("SELECT YM_Year, YM_Month, YM_Kubun FROM MC_YearMonthCheck"), {},
                  [&](const RowReader &row) {
                      states.insert(row.text("YM_Year") + u'-' + row.text("YM_Month"), row.text("YM_Kubun"));
                  });
    return states;
}

QStringList closesUndone(Db &present, Db &backup)
{
    const QMap<QString, QString> before = monthStates(backup);
    QStringList undone;
    for (const auto &[month, state] : monthStates(present).asKeyValueRange())
        if (state == period::Closed && before.value(month) != period::Closed)
            undone << month;
    return undone;
}

// The backup's books for a restore: beside file books, so that taking their place is a
// rename on one disk; for server books in the desk's backup folder.
QString expandedPathFor(const QString &location)
{
    if (const auto server = parseServerLocation(location))
        return backupFolderOf(location) + u'/' + server->database + QStringLiteral(".restoring.mdb");
    return location + QStringLiteral(".restoring");
}

void syncFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0)
        throw StoreError(QStringLiteral("%1: %2").arg(path, file.errorString()));
}

QString heldElsewhereText()
{
    return QStringLiteral("장부를 다른 프로그램이나 다른 자리에서 쓰고 있어서 복원하지 않았습니다.") + LB +
           QStringLiteral("그 작업이 끝난 뒤에 다시 하세요.......");
}

void removeUnusedBackup(const QString &file)
{
    // Taken for a restore that did not happen: the books it holds are the books as they stay.
    QFile::remove(file);
}

} // namespace

QString restoreConfirmationText(const RestorePreview &p, const QString &question)
{
    const QString two = LB + LB;
    QString text = QStringLiteral("백업 화일: ") + p.backupFile + LB + QStringLiteral("백업 안의 열린 월: ") +
                   p.backupOpen + LB;
    if (p.presentDamaged) {
        text += QStringLiteral("지금의 장부는 손상되어 무엇을 잃는지 읽을 수 없습니다.") + LB;
    } else {
        text += QStringLiteral("지금 장부의 열린 월: ") + p.presentOpen + two;
        text += p.closesUndone.isEmpty()
                    ? QStringLiteral("취소되는 마감은 없습니다.") + LB
                    : QStringLiteral("취소되는 마감: ") + p.closesUndone.join(QStringLiteral(", ")) + LB;
        if (p.rowsSince.isEmpty()) {
            text += QStringLiteral("백업 후에 입력되어 없어지는 행은 없습니다.") + LB;
        } else {
            text += QStringLiteral("백업 후에 입력되어 없어지는 행:") + LB;
            for (const TableRows &t : p.rowsSince)
                text += QStringLiteral("    %1 %2행").arg(tableWords(t.table)).arg(t.rows) + LB;
        }
    }
    return text + LB + QStringLiteral("지금의 장부는 복원 전에 백업되므로 이 복원도 되돌릴 수 있습니다.") + two +
           question;
}

PreparedRestore::PreparedRestore(const QString &location, const QString &backupFile, bool presentDamaged,
                                 const Progress &progress)
    : m_location(location), m_expanded(expandedPathFor(location))
{
    m_preview.backupFile = backupFile;
    m_preview.presentDamaged = presentDamaged;
    removeDatabaseFiles(m_expanded); // left by a restore that was stopped
    QDir().mkpath(QFileInfo(m_expanded).absolutePath());
    try {
        report(progress, QStringLiteral("백업 화일 풀기"));
        if (backupfile::looksLikeBackupFile(backupFile)) {
            backupfile::expand(backupFile, m_expanded);
        } else {
            // A plain books file, as older versions backed up.
            if (!QFile::copy(backupFile, m_expanded))
                throw StoreError(QStringLiteral("cannot copy %1 to %2").arg(backupFile, m_expanded));
        }
        report(progress, QStringLiteral("백업의 장부 검사"));
        {
            std::unique_ptr<Db> backup;
            try {
                backup = Db::open(m_expanded);
                const ResultSet check = backup->query(QStringLiteral("PRAGMA integrity_check"));
                if (check.size() != 1 || check.rows().first().first().toString() != u"ok")
                    throw StoreError(check.isEmpty() ? QString() : check.rows().first().first().toString());
            } catch (const StoreError &e) {
                throw RestoreRefused(QStringLiteral("백업 화일의 장부가 온전하지 않아 복원할 수 없습니다.") + LB +
                                     backupFile + LB + LB + e.message());
            }
            const std::optional<PeriodRow> open = period::theOpenPeriod(*backup);
            if (!open)
                throw RestoreRefused(QStringLiteral("백업 화일의 장부에 열린 월이 하나가 아니라서 복원할 수 없습니다.") +
                                     LB + backupFile);
            m_preview.backupOpen = openText(open);
            if (!presentDamaged) {
                report(progress, QStringLiteral("지금의 장부와 비교"));
                const std::unique_ptr<Db> present = Db::open(location);
                m_preview.presentOpen = openText(period::theOpenPeriod(*present));
                m_preview.closesUndone = closesUndone(*present, *backup);
                m_preview.rowsSince = rowsTheBackupLacks(*present, *backup);
            }
            // One file with no log beside it, to be renamed as it is.
            backup->exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        QFile::remove(m_expanded + QStringLiteral("-shm"));
        syncFile(m_expanded);
    } catch (...) {
        removeDatabaseFiles(m_expanded);
        throw;
    }
}

PreparedRestore::~PreparedRestore()
{
    // After a file restore the name is the books' own and nothing is left under it.
    removeDatabaseFiles(m_expanded);
}

RestoreDone PreparedRestore::commit(const Progress &progress)
{
    if (m_committed)
        throw StoreError(QStringLiteral("the restore has been done already"));
    RestoreDone done;
    report(progress, QStringLiteral("지금의 장부 백업"));
    if (m_preview.presentDamaged) {
        const BackupWritten written = writeBackupOfDamagedFile(m_location);
        done.backupOfPresent = written.file;
        done.folderWarning = written.folderWarning;
    } else {
        const std::unique_ptr<Db> present = Db::open(m_location);
        const BackupWritten written = writeBackup(*present, {BackupReason::BeforeRestore, {}});
        done.backupOfPresent = written.file;
        done.folderWarning = written.folderWarning;
    }
    killWhenTheCrashTestSaysSo();
    report(progress, QStringLiteral("장부 바꾸기"));
    if (isServerLocation(m_location))
        commitServer(done, progress);
    else
        commitFile(done, progress);
    m_committed = true;
    const std::unique_ptr<Db> restored = Db::open(m_location);
    done.openNow = openText(period::theOpenPeriod(*restored));
    return done;
}

void PreparedRestore::commitFile(RestoreDone &done, const Progress &)
{
    const QString wal = m_location + QStringLiteral("-wal");
    if (m_preview.presentDamaged) {
        // The log of damaged books goes with their backup, never with the restored books.
        if (QFileInfo::exists(wal) && !QFile::rename(wal, done.backupOfPresent + QStringLiteral("-wal")))
            throw StoreError(QStringLiteral("cannot move %1 aside").arg(wal));
        QFile::remove(m_location + QStringLiteral("-journal"));
    } else {
        // The old books become one file with no log beside it: a log left there would be
        // read into the restored books as if it were theirs. Only possible while no other
        // connection has the books open.
        try {
            const std::unique_ptr<Db> present = Db::open(m_location);
            present->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            const QVariant mode = present->scalar(QStringLiteral("PRAGMA journal_mode=DELETE"));
            if (mode.toString().compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0)
                throw StoreError(QStringLiteral("journal mode stays %1").arg(mode.toString()));
        } catch (const StoreError &e) {
            removeUnusedBackup(done.backupOfPresent);
            throw RestoreRefused(heldElsewhereText() + LB + LB + e.message());
        }
        if (QFileInfo::exists(wal)) {
            removeUnusedBackup(done.backupOfPresent);
            throw RestoreRefused(heldElsewhereText());
        }
    }
    QFile::remove(m_location + QStringLiteral("-shm"));
    killWhenTheCrashTestSaysSo();
    // One step: whoever opens the books from here sees the old file or the restored one.
    if (std::rename(QFile::encodeName(m_expanded).constData(), QFile::encodeName(m_location).constData()) != 0)
        throw StoreError(QStringLiteral("cannot rename %1 to %2").arg(m_expanded, m_location));
    backupfile::syncFolder(QFileInfo(m_location).absolutePath());
    killWhenTheCrashTestSaysSo();
}

void PreparedRestore::commitServer(RestoreDone &done, const Progress &)
{
    const std::unique_ptr<Db> source = Db::open(m_expanded);
    const std::unique_ptr<Db> target = Db::open(m_location);
    try {
        Transaction t(*target);
        holdBooks(*target, BooksUse::Run);
        for (const CopiedTable &table : replaceRows(*source, *target))
            if (!table.same)
                throw StoreError(QStringLiteral("table %1 does not hold the backup's rows after the restore; "
                                                "nothing was changed")
                                     .arg(table.name));
        t.commit();
    } catch (const LockTimeout &e) {
        removeUnusedBackup(done.backupOfPresent);
        throw RestoreRefused(heldElsewhereText() + LB + LB + e.message());
    }
}

} // namespace zedur
