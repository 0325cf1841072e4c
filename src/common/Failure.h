#pragma once

#include <QString>
#include <stdexcept>

namespace zedur {

// Every error the program reports to the user carries a message and a class name,
// because the error box and the error log show both.
class Failure : public std::runtime_error
{
public:
    Failure(const QString &className, const QString &message)
        : std::runtime_error(message.toStdString()), m_className(className), m_message(message)
    {
    }
    const QString &className() const { return m_className; }
    const QString &message() const { return m_message; }

private:
    QString m_className;
    QString m_message;
};

// A typed text that is not a number after the key filters let it through.
class ConversionError : public Failure
{
public:
    explicit ConversionError(const QString &message) : Failure(QStringLiteral("ConversionError"), message) {}
};

} // namespace zedur
