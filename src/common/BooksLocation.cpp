#include "common/BooksLocation.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>
#include <QUrlQuery>

namespace zedur {

namespace {
const QRegularExpression &addressShape()
{
    // user@ and :port are optional, a password has no place (user:password@ is refused); the host may be empty (the
    // local socket); "?host=/dir" names a socket folder, which has no place in the host part of an address.
    static const QRegularExpression shape(
        QStringLiteral("^postgres(?:ql)?://(?:([^@/?:]+)@)?([^:/?]*)(?::(\\d{1,5}))?/([^/?]+)(?:\\?(.*))?$"));
    return shape;
}
} // namespace

QString ServerAddress::location() const
{
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += QString::fromUtf8(QUrl::toPercentEncoding(user)) + u'@';
    const bool socketFolder = host.startsWith(u'/');
    if (!socketFolder)
        text += host;
    if (port > 0)
        text += u':' + QString::number(port);
    text += u'/' + QString::fromUtf8(QUrl::toPercentEncoding(database));
    if (socketFolder)
        text += QStringLiteral("?host=") + host;
    return text;
}

bool isServerLocation(const QString &location)
{
    return location.startsWith(QStringLiteral("postgresql://")) || location.startsWith(QStringLiteral("postgres://"));
}

std::optional<ServerAddress> parseServerLocation(const QString &location)
{
    const auto match = addressShape().match(location.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    ServerAddress address;
    address.user = QUrl::fromPercentEncoding(match.captured(1).toUtf8());
    address.host = match.captured(2);
    if (!match.captured(3).isEmpty())
        address.port = match.captured(3).toInt();
    address.database = QUrl::fromPercentEncoding(match.captured(4).toUtf8());
    const QUrlQuery query(match.captured(5));
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == u"host")
            address.host = value;
        else if (key == u"port" && value.toInt() > 0)
            address.port = value.toInt();
        else
            return std::nullopt;
    }
    if (address.port > 65535)
        return std::nullopt;
    return address;
}

SettingsLocation locationFromSettings(const QString &settingsFile)
{
    if (!QFileInfo(settingsFile).isFile())
        return {};
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Books"));
    const QString driver = settings.value(QStringLiteral("driver")).toString().trimmed().toLower();
    if (driver.isEmpty() || driver == u"sqlite" || driver == u"qsqlite")
        return {};
    if (driver != u"postgresql" && driver != u"qpsql")
        return {QString(), QStringLiteral("%1: driver=%2 is neither sqlite nor postgresql").arg(settingsFile, driver)};
    ServerAddress address;
    address.host = settings.value(QStringLiteral("host")).toString().trimmed();
    address.port = settings.value(QStringLiteral("port"), -1).toInt();
    address.database = settings.value(QStringLiteral("database")).toString().trimmed();
    address.user = settings.value(QStringLiteral("user")).toString().trimmed();
    if (address.database.isEmpty())
        return {QString(), QStringLiteral("%1: driver=postgresql needs database=").arg(settingsFile)};
    return {address.location(), QString()};
}

} // namespace zedur
