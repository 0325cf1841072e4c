#pragma once

#include "common/Messages.h"

#include <QList>
#include <QString>

namespace zedur::test {

struct RecordedMessage {
    MessageKind kind;
    QString title;
    QString text;
    bool yesNo;
};

// Installed for its lifetime: records every box instead of showing it and answers
// questions from a queue (Yes when the queue is empty).
class MessageRecorder : public MessageSink
{
public:
    MessageRecorder();
    ~MessageRecorder() override;

    bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) override;

    QList<RecordedMessage> messages;
    QList<bool> answers;

    QStringList texts() const;
    QString lastText() const;
    void clear() { messages.clear(); }
};

} // namespace zedur::test
