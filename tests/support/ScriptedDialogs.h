#pragma once

#include "platform/PrinterCanvas.h"
#include "platform/UserDialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

// Dialogs answered by the test: every message shown is recorded, and each question or file
// dialog takes the next scripted answer (a question with no answer left says No, a file
// dialog with none left is cancelled, a print dialog with no printer left is cancelled).
class ScriptedDialogs : public UserDialogs
{
public:
    struct Shown
    {
        QString kind; // "warning", "error", "message", "question", "open", "save", "print"
        QString text;
        QString caption;
        MessageIcon icon = MessageIcon::None;
    };

    void showWarning(const QString &text) override;
    void showError(const QString &text) override;
    void showMessage(const QString &text, const QString &caption, MessageIcon icon) override;
    bool askYesNo(const QString &text, const QString &caption) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::unique_ptr<PrinterCanvas> choosePrinter() override;

    // Scripted answers, taken in order.
    std::deque<bool> answers;
    std::deque<FileDialogResult> fileAnswers;
    std::deque<std::function<std::unique_ptr<PrinterCanvas>()>> printers;

    // What the commands asked for and showed.
    QList<Shown> shown;
    QList<FileDialogRequest> fileRequests;

    QStringList texts(const QString &kind) const;
    void clear()
    {
        shown.clear();
        fileRequests.clear();
    }
};
