#pragma once
#include <QString>
#include <exception>

namespace vx {

// The error every layer raises: it carries a ready Russian message for the user.
class EValtrixError : public std::exception {
public:
    explicit EValtrixError(QString message) : Message(std::move(message)), Utf8(Message.toUtf8()) {}
    const char* what() const noexcept override { return Utf8.constData(); }
    const QString& message() const noexcept { return Message; }

private:
    QString Message;
    QByteArray Utf8;
};

// Text of any caught exception, for the "(%s)" part of a message.
QString ExceptionText(const std::exception& e);

} // namespace vx
