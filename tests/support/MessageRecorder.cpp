#include "MessageRecorder.h"

namespace zedur::test {

MessageRecorder::MessageRecorder()
{
    setMessageSink(this);
}

MessageRecorder::~MessageRecorder()
{
    setMessageSink(nullptr);
}

bool MessageRecorder::show(MessageKind kind, const QString &title, const QString &text, bool yesNo)
{
    messages.append({kind, title, text, yesNo});
    if (!yesNo)
        return false;
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const auto &m : messages)
        out << m.text;
    return out;
}

QString MessageRecorder::lastText() const
{
    return messages.isEmpty() ? QString() : messages.last().text;
}

} // namespace zedur::test
