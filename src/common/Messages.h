#pragma once

#include <QString>

// Every box the user sees goes through here, so that tests can record them instead.
namespace zedur {

enum class MessageKind { Warning, Error, Information, Question, Plain };

// Line break inside message texts, as the screens have always written it.
inline const QString LB = QStringLiteral("\n\r");

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // Shows one box; for questions the answer is true for Yes.
    virtual bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) = 0;
};

// The sink in use: the one installed (a test's recorder), else the default one.
MessageSink &messageSink();
void setMessageSink(MessageSink *sink); // nullptr restores the default sink
// What shows messages when nothing is installed: standard error until the program sets
// its message boxes (the command line and tools keep standard error).
void setDefaultMessageSink(MessageSink *sink);

// Writes each message on standard error, its line breaks made plain; questions are
// answered No, since nobody is there to answer them.
class StandardErrorSink : public MessageSink
{
public:
    bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) override;
};

// The title of a box that was given none.
QString defaultMessageTitle(MessageKind kind);

// A message text with its "\n\r" and "\r\n" line breaks made plain "\n".
QString plainLines(const QString &text);

namespace msg {
void warning(const QString &text, const QString &title = {});
void error(const QString &text, const QString &title = {});
void information(const QString &text, const QString &title = {});
void plain(const QString &text);
// A Yes/No box; `icon` is the kind of box it looks like (some questions are warnings).
bool ask(const QString &text, MessageKind icon = MessageKind::Question, const QString &title = {});
} // namespace msg

class Failure;

// The error box of a failed action (screen text, the error's message and class, each
// followed by two line breaks) and its error-log entry, built in one place. A log that
// cannot be written is reported too, so that no error goes unrecorded unnoticed.
void reportFailure(const QString &screenText, const QString &location, const QString &content, const Failure &failure);
QString failureText(const QString &screenText, const Failure &failure);

} // namespace zedur
