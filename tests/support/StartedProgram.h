#pragma once

#include "app/KadeloWindows.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <functional>

class TFrmMain;

// The program as it starts: a fresh application folder (the working folder), dialogs
// answered by the test and the four windows, created the way the program creates them.
class StartedProgram
{
public:
    // Writes what the application folder holds before the windows come up.
    using Prepare = std::function<void(const TempFolder &folder)>;

    // An empty data/ folder: a catalogue without categories.
    static void emptyCatalogue(const TempFolder &folder);

    // Makes the folder, lets `prepare` fill it (nothing is written when it is empty) and
    // creates the windows. `other`, when given, stands in for the own scripted dialogs (a
    // test that needs other answers); it must outlive this.
    explicit StartedProgram(const Prepare &prepare = emptyCatalogue, ScriptedDialogs *other = nullptr);

    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;

    TFrmMain &main() const;

    TempFolder folder;

private:
    ScriptedDialogs m_ownDialogs;

public:
    ScriptedDialogs &dialogs;
    // Last, so the windows go before the dialogs they use and the folder they run in.
    KadeloWindows windows;
};
