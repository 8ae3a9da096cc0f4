#pragma once

#include "platform/UserDialogs.h"

class QWidget;

// The dialogs a person sees: QMessageBox, Qt's own QFileDialog and QPrintDialog.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    void showWarning(const QString &text) override;
    void showError(const QString &text) override;
    void showMessage(const QString &text, const QString &caption, MessageIcon icon) override;
    bool askYesNo(const QString &text, const QString &caption) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::unique_ptr<PrinterCanvas> choosePrinter() override;

private:
    QWidget *m_owner;
};
