#include "common/Messages.h"

#include "common/ErrorLog.h"
#include "common/Failure.h"
#include "common/SystemInfo.h"

#include <QCoreApplication>
#include <QStringList>

namespace zedur {

namespace {

MessageSink *&installedSink()
{
    static MessageSink *sink = nullptr;
    return sink;
}

MessageSink &standardError()
{
    static PrintedMessages sink(stderr, false);
    return sink;
}

MessageSink *&defaultSink()
{
    static MessageSink *sink = &standardError();
    return sink;
}

} // namespace

QString defaultMessageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("경고");
    case MessageKind::Error:
        return QStringLiteral("오류");
    case MessageKind::Information:
        return QStringLiteral("정보");
    case MessageKind::Question:
        return QStringLiteral("확인");
    case MessageKind::Plain:
        break;
    }
    return QCoreApplication::applicationName();
}

QString plainLines(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.remove(u'\r');
    return plain;
}

bool PrintedMessages::show(MessageKind kind, const QString &title, const QString &text, bool yesNo)
{
    QStringList lines;
    for (const QString &line : plainLines(text).split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    const QString shown = (title.isEmpty() ? defaultMessageTitle(kind) : title) + QStringLiteral(": ") +
                          lines.join(QStringLiteral(" / "));
    std::fprintf(m_out, "%s\n", shown.toUtf8().constData());
    std::fflush(m_out);
    return yesNo && m_answer;
}

MessageSink &messageSink()
{
    MessageSink *sink = installedSink();
    return sink ? *sink : *defaultSink();
}

void setMessageSink(MessageSink *sink)
{
    installedSink() = sink;
}

void setDefaultMessageSink(MessageSink *sink)
{
    defaultSink() = sink ? sink : &standardError();
}

namespace msg {
void warning(const QString &text, const QString &title)
{
    messageSink().show(MessageKind::Warning, title, text, false);
}
void error(const QString &text, const QString &title)
{
    messageSink().show(MessageKind::Error, title, text, false);
}
void information(const QString &text, const QString &title)
{
    messageSink().show(MessageKind::Information, title, text, false);
}
void plain(const QString &text)
{
    messageSink().show(MessageKind::Plain, QString(), text, false);
}
bool ask(const QString &text, MessageKind icon, const QString &title)
{
    return messageSink().show(icon, title, text, true);
}
} // namespace msg

QString failureText(const QString &screenText, const Failure &failure)
{
    const QString twoBreaks = LB + LB;
    return screenText + twoBreaks + failure.message() + twoBreaks + failure.className() + twoBreaks;
}

void reportFailure(const QString &screenText, const QString &location, const QString &content, const Failure &failure)
{
    msg::error(failureText(screenText, failure));
    if (!LogError({location, content, failure.className(), failure.message()}))
        msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
}

} // namespace zedur
