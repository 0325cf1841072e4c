#pragma once

#include <QDateTime>
#include <QString>

// What the program knows about the machine it runs on and the folder it runs from.
namespace zedur {

// The folder everything below lives in, ending with "/": the executable's folder in a
// portable copy, the user's data folder for an installed program (DataFolder.h). Tests
// point it at a temporary folder.
QString appDir();
void setAppDirForTesting(const QString &dir);
QString exeFileName();

// Where the books are: the file Access_Db/ZedUr_DB.mdb in appDir(), unless a settings file
// ZedUr.ini in appDir() or beside the program names a PostgreSQL server (BooksLocation.h), or
// the command line named either (setDatabaseLocation). A settings file in error gives an
// address that fails to open with the error in its text.
QString databasePath();
void setDatabaseLocation(const QString &location); // empty: as the settings say
// Whether the program opens its books only to read them (its --read-only), whether or not
// the user may write them.
bool booksReadOnlyRequested();
void setBooksReadOnlyRequested(bool readOnly);
QString settingsFileName();
QString errorLogPath(); // Data_Save/ErrorMessage.Txt in appDir()
QString dataSaveDir();  // Data_Save/ in appDir()

QString fComputerName();
// "XXXX - XXXX": the file-system id of the volume holding path, high word first.
QString fVolumeSerial(const QString &path);

// The program's own date format; the user's system settings are never touched.
void ChangeDateFormat(const QString &format);
QString dateFormat();

// "yyyy-mm-dd hh:mm:ss"; the time is left out at exactly midnight.
QString saveDateText(const QDateTime &when);
QString saveDateNow();

// The audit columns every insert writes (_Check_03 .. _Check_05 and _SaveDate).
struct AuditValues {
    QString volumeSerial;
    QString computerName;
    QString folder;
    QString saveDate;
    static AuditValues now();
};

} // namespace zedur
