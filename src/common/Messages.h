#pragma once

#include <QString>
#include <cstdio>

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

// Prints each box on one line of `out` instead of showing it, its line breaks made plain,
// and answers every question with `answer`: for programs that run unattended (the command
// line, the screenshots tool, the start-up check).
class PrintedMessages : public MessageSink
{
public:
    PrintedMessages(std::FILE *out, bool answer) : m_out(out), m_answer(answer) {}
    bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) override;

private:
    std::FILE *m_out;
    bool m_answer;
};

// The sink in use: the one installed (a test's recorder), else the default one.
MessageSink &messageSink();
void setMessageSink(MessageSink *sink); // nullptr restores the default sink
// What shows messages when nothing is installed: printed on standard error, questions
// answered No, until the program sets its message boxes (useDesktop); nullptr restores that.
void setDefaultMessageSink(MessageSink *sink);

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
