#pragma once

#include <QString>
#include <stdexcept>

// The error that the platform layer raises and the handler guard shows in the standard
// error box. Its text is what the user reads, word for word.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};
