#include "platform/HandlerGuard.h"

#include "platform/PlatformError.h"
#include "platform/UserDialogs.h"

#include <QString>
#include <exception>
#include <new>

void runGuarded(UserDialogs &dialogs, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const PlatformError &error) {
        dialogs.showError(error.message());
    } catch (const std::bad_alloc &) {
        dialogs.showError(QStringLiteral("Out of memory"));
    } catch (const std::exception &error) {
        dialogs.showError(QString::fromLocal8Bit(error.what()));
    }
}
