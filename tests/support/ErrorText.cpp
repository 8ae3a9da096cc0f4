#include "tests/support/ErrorText.h"

#include "platform/PlatformError.h"

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const PlatformError &error) {
        return error.message();
    }
    return QString();
}

std::string messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const PlatformError &error) {
        return error.message().toStdString();
    }
    return "no error";
}
