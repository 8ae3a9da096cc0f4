#pragma once

#include "output/MailRequest.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// The application as the sender's host: its boxes go through the dialog seam, and every
// visible, enabled top-level window is disabled for the hand-off and enabled again after.
class ApplicationMailHost : public MailHost
{
public:
    ApplicationMailHost(QWidget *owner, UserDialogs &dialogs) : m_owner(owner), m_dialogs(dialogs) {}

    ULONG_PTR windowHandle() const override;
    UserDialogs &dialogs() override { return m_dialogs; }
    void disableWindows() override;
    void enableWindows() override;

private:
    QWidget *m_owner;
    UserDialogs &m_dialogs;
    QList<QPointer<QWidget>> m_disabled;
};
