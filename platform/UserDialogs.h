#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class PrinterCanvas;

// A file dialog as the commands ask for it.
struct FileDialogRequest
{
    QStringList filters;    // "Description (*.ext)" entries, in order
    int selectedFilter = 0; // index into filters
    QString fileName;       // preselected file name (may be empty)
    QString defaultSuffix;  // appended to a name typed without one ("jpg")
    bool confirmOverwrite = false;
};

struct FileDialogResult
{
    bool accepted = false;
    QString fileName;
    int selectedFilter = 0;
};

enum class MessageIcon { None, Information, Warning, Error, Question };

// Everything a person answers goes through here, so tests can script the answers.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // The toolkit's warning dialog: caption "Warning", warning icon, one "OK".
    virtual void showWarning(const QString &text) = 0;
    // The standard error box: caption is the application's title, error icon.
    virtual void showError(const QString &text) = 0;
    // A message box with its own caption and one "OK" button.
    virtual void showMessage(const QString &text, const QString &caption, MessageIcon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &caption) = 0;

    virtual FileDialogResult openFile(const FileDialogRequest &request) = 0;
    virtual FileDialogResult saveFile(const FileDialogRequest &request) = 0;

    // The print dialog: the chosen printer, or nullptr when the user cancelled.
    virtual std::unique_ptr<PrinterCanvas> choosePrinter() = 0;
};
