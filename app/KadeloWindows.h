#pragma once

#include <memory>

class TAboutBox;
class TFormExport;
class TFrmMain;
class TFrmNahled;
class UserDialogs;

// The program's four windows, created once in this order and kept until the end.
struct KadeloWindows
{
    std::unique_ptr<TFrmMain> FrmMain;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TFormExport> FormExport;
    std::unique_ptr<TFrmNahled> FrmNahled;

    KadeloWindows();
    KadeloWindows(KadeloWindows &&) noexcept;
    KadeloWindows &operator=(KadeloWindows &&) noexcept;
    ~KadeloWindows();

private:
    void close();
};

KadeloWindows createWindows(UserDialogs &dialogs);
