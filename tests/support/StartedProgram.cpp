#include "tests/support/StartedProgram.h"

#include "app/TFrmMain.h"

void StartedProgram::emptyCatalogue(const TempFolder &folder)
{
    folder.makeFolder(QStringLiteral("data"));
}

StartedProgram::StartedProgram(const Prepare &prepare, ScriptedDialogs *other)
    : dialogs(other != nullptr ? *other : m_ownDialogs)
{
    if (prepare)
        prepare(folder);
    windows = createWindows(dialogs);
}

TFrmMain &StartedProgram::main() const
{
    return *windows.FrmMain;
}
