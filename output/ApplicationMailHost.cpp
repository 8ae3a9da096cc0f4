#include "output/ApplicationMailHost.h"

#include <QApplication>

ULONG_PTR ApplicationMailHost::windowHandle() const
{
    return m_owner ? static_cast<ULONG_PTR>(m_owner->internalWinId()) : 0;
}

void ApplicationMailHost::disableWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            m_disabled.append(window);
        }
    }
}

void ApplicationMailHost::enableWindows()
{
    for (const QPointer<QWidget> &window : std::as_const(m_disabled))
        if (window)
            window->setEnabled(true);
    m_disabled.clear();
}
