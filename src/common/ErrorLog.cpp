#include "common/ErrorLog.h"

#include "common/Failure.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace zedur {

namespace {
const QString separator = QString(162, u'-');

QString clockText(const QTime &t)
{
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QChar(u'0'))
        .arg(t.minute(), 2, 10, QChar(u'0'))
        .arg(t.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}
} // namespace

int nextErrorNumber(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    // Each entry ends with the separator line and starts eight lines before it. A damaged
    // or cut-short file falls back to counting the entries that are whole.
    int separators = 0;
    int lastSeparator = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed() == separator) {
            ++separators;
            lastSeparator = i;
        }
    }
    if (lastSeparator >= 8) {
        try {
            const QString first = lines.at(lastSeparator - 8).trimmed();
            const double number = fNumValue(first);
            if (!first.isEmpty() && number >= 1)
                return static_cast<int>(number) + 1;
        } catch (const ConversionError &) {
        }
    }
    return separators + 1;
}

bool appendErrorLog(const QString &path, const ErrorEntry &entry, const QDateTime &when)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int number = nextErrorNumber(path);
    const QStringList lines = {
        QLocale(QLocale::English).toString(number),
        QStringLiteral("에러발생 코드부분   :   ") + entry.location,
        QStringLiteral("내용정보 부분       :   ") + entry.content,
        QStringLiteral("에러발생된 실행화일 :   ") + exeFileName(),
        QStringLiteral("실행화일 경로[Path] :   ") + appDir(),
        QStringLiteral("에러발생 시간       :   ") + when.date().toString(QStringLiteral("yyyy-MM-dd")) +
            QStringLiteral(" On ") + clockText(when.time()),
        QStringLiteral("Error  Class        :   ") + entry.errorClass,
        QStringLiteral("Error  Message      :   ") + entry.errorMessage,
        separator,
    };

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // A file whose last line was cut off without its line end gets one first, so that
    // the new entry starts on a line of its own.
    if (file.size() > 0) {
        QFile reader(path);
        if (reader.open(QIODevice::ReadOnly) && reader.seek(reader.size() - 1) && reader.read(1) != "\n")
            file.write("\r\n");
    }
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

bool LogError(const ErrorEntry &entry)
{
    return appendErrorLog(errorLogPath(), entry, QDateTime::currentDateTime());
}

} // namespace zedur
