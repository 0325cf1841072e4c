#include "common/Messages.h"

#include "common/ErrorLog.h"
#include "common/Failure.h"
#include "common/SystemInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace zedur {

namespace {

QString defaultTitle(MessageKind kind)
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
    return QApplication::applicationName();
}

class BoxSink : public MessageSink
{
public:
    bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) override
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (kind) {
        case MessageKind::Warning:
            icon = QMessageBox::Warning;
            break;
        case MessageKind::Error:
            icon = QMessageBox::Critical;
            break;
        case MessageKind::Information:
            icon = QMessageBox::Information;
            break;
        case MessageKind::Question:
            icon = QMessageBox::Question;
            break;
        case MessageKind::Plain:
            break;
        }
        // Texts carry "\n\r" line breaks; Qt would draw the "\r" as an empty line.
        QString shown = text;
        shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.remove(u'\r');
        QMessageBox box(icon, title.isEmpty() ? defaultTitle(kind) : title, shown,
                        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                        QApplication::activeWindow());
        return box.exec() == QMessageBox::Yes;
    }
};

MessageSink *&installedSink()
{
    static MessageSink *sink = nullptr;
    return sink;
}

} // namespace

bool PrintedMessages::show(MessageKind, const QString &, const QString &text, bool yesNo)
{
    std::fprintf(m_out, "  [box] %s\n", qPrintable(QString(text).replace(LB, QStringLiteral(" / "))));
    std::fflush(m_out);
    return yesNo && m_answer;
}

MessageSink &messageSink()
{
    static BoxSink boxes;
    MessageSink *sink = installedSink();
    return sink ? *sink : boxes;
}

void setMessageSink(MessageSink *sink)
{
    installedSink() = sink;
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

void reportFailure(const QString &screenText, const QString &location, const QString &content,
                   const Failure &failure)
{
    msg::error(failureText(screenText, failure));
    if (!LogError({location, content, failure.className(), failure.message()}))
        msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
}

} // namespace zedur
