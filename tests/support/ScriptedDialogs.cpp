#include "tests/support/ScriptedDialogs.h"

void ScriptedDialogs::showWarning(const QString &text)
{
    shown.append({QStringLiteral("warning"), text, QStringLiteral("Warning"), MessageIcon::Warning});
}

void ScriptedDialogs::showError(const QString &text)
{
    shown.append({QStringLiteral("error"), text, QString(), MessageIcon::Error});
}

void ScriptedDialogs::showMessage(const QString &text, const QString &caption, MessageIcon icon)
{
    shown.append({QStringLiteral("message"), text, caption, icon});
}

bool ScriptedDialogs::askYesNo(const QString &text, const QString &caption)
{
    shown.append({QStringLiteral("question"), text, caption, MessageIcon::Question});
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

FileDialogResult ScriptedDialogs::openFile(const FileDialogRequest &request)
{
    shown.append({QStringLiteral("open"), QString(), QString(), MessageIcon::None});
    fileRequests.append(request);
    if (fileAnswers.empty())
        return {};
    FileDialogResult answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

FileDialogResult ScriptedDialogs::saveFile(const FileDialogRequest &request)
{
    shown.append({QStringLiteral("save"), QString(), QString(), MessageIcon::None});
    fileRequests.append(request);
    if (fileAnswers.empty())
        return {};
    FileDialogResult answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::unique_ptr<PrinterCanvas> ScriptedDialogs::choosePrinter()
{
    shown.append({QStringLiteral("print"), QString(), QString(), MessageIcon::None});
    if (printers.empty())
        return nullptr;
    auto make = std::move(printers.front());
    printers.pop_front();
    return make ? make() : nullptr;
}

QStringList ScriptedDialogs::texts(const QString &kind) const
{
    QStringList result;
    for (const Shown &entry : shown) {
        if (entry.kind == kind)
            result.append(entry.text);
    }
    return result;
}
