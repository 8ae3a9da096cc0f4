#pragma once

#include "album/AlbumStore.h"
#include "colour/Recolourer.h"
#include "fitting/LayerDrag.h"
#include "output/PrintHolders.h"

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMouseEvent;
class QPushButton;
class QScrollArea;
class QToolBar;
class QToolButton;
class FittingArea;
class HSVBox;
class PictureBox;
class TAboutBox;
class TFormExport;
class TFrmNahled;
class UserDialogs;

// The main window: the catalogue column, the fitting area with its tool bars, the colour
// box and the album. Controls carry their original names as member and object names.
// Every command is a member function named after its handler; the handlers live in one
// file per subsystem (FrmMain<Subsystem>.cpp) and raise errors, which the wiring shows
// through the handler guard.
class TFrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFrmMain(UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TFrmMain() override;

    // The dialogs are created after the main window, in this order.
    void attachDialogs(TAboutBox *aboutBox, TFormExport *formExport, TFrmNahled *frmNahled);

    // Runs a command the way a button or menu item does: inside the handler guard.
    void runCommand(const std::function<void()> &handler);
    // The same, announcing the handler's name first (buttons, menu items, shortcuts).
    void runCommand(const QString &handlerName, const std::function<void()> &handler);

    UserDialogs &dialogs() { return m_dialogs; }
    const QString &applicationFolder() const { return m_applicationFolder; }

Q_SIGNALS:
    // Emitted as a command starts, with its handler's name ("ToolButton20Click").
    void commandStarted(const QString &handlerName);

public:
    // --- Application shell ------------------------------------------------------------
    void FormCreate();
    void Konec1Click();
    void Npovda2Click();
    void Oprogramu1Click();

    // --- Catalogue ------------------------------------------------------------------
    void DiscoverCategories();
    void BuildThumbnailStrip();
    void LoadHairstyle(const QString &thumbnailFileName);
    void ComboBoxChange();
    void ThumbnailClick(QWidget *sender);
    void RxSpeedButton1Click();
    void RxSpeedButton2Click();

    // --- Fitting area -----------------------------------------------------------------
    void ToolButton1Click();  // photo left
    void ToolButton4Click();  // photo right
    void ToolButton5Click();  // photo default position
    void ToolButton6Click();  // photo up
    void ToolButton7Click();  // photo down
    void ToolButton11Click(); // enlarge photo
    void ToolButton12Click(); // shrink photo
    void ToolButton13Click(); // default hairstyle rectangle
    void ToolButton14Click(); // default photo size
    void ToolButton18Click(); // open photo
    void ToolButton19Click(); // default photo
    void btnUcesPlusClick();
    void btnUcesMinusClick();
    void btnKalibraceClick();
    void btnPosuvImgClick();
    void ControlMouseDown(QWidget *sender, QMouseEvent *event);
    void ControlMouseMove(QWidget *sender, QMouseEvent *event);
    void ControlMouseUp(QWidget *sender, QMouseEvent *event);

    // --- Hair colour ------------------------------------------------------------------
    void HSVBoxChange();
    void RxSpeedButton3Click();

    // --- Album ------------------------------------------------------------------------
    void ToolButton20Click(); // store snapshot
    void ToolButton23Click(); // delete snapshot
    void Button1Click();      // previous snapshot
    void Button2Click();      // next snapshot
    void ShowAlbumPicture(int index);

    // --- Output -----------------------------------------------------------------------
    void ToolButton21Click(); // export
    void ToolButton3Click();  // print all
    void TiskClick();         // print the shown snapshot
    void ToolButton9Click();  // mail

    // --- Controls (named as the form names them) --------------------------------------
    QFrame *pnlPozadi = nullptr;
    QFrame *Panel1 = nullptr;
    QScrollArea *ScrNahledy = nullptr;
    QWidget *ScrNahledyContent = nullptr; // the scroll box's client, parent of the tiles
    QToolButton *RxSpeedButton1 = nullptr;
    QToolButton *RxSpeedButton2 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBox = nullptr;

    QFrame *pnlFoto = nullptr;
    QFrame *Panel4 = nullptr;
    QFrame *Panel5 = nullptr;
    QFrame *Panel6 = nullptr;
    QFrame *Panel7 = nullptr;
    FittingArea *Panel3 = nullptr;
    PictureBox *ImgFoto = nullptr; // owned by Panel3
    PictureBox *ImgUces = nullptr; // owned by Panel3
    QToolBar *ToolBar1 = nullptr;
    QToolBar *ToolBar2 = nullptr;
    QToolButton *ToolButton19 = nullptr;
    QToolButton *ToolButton18 = nullptr;
    QToolButton *btnUcesPlus = nullptr;
    QToolButton *ToolButton13 = nullptr;
    QToolButton *btnUcesMinus = nullptr;
    QToolButton *ToolButton11 = nullptr;
    QToolButton *ToolButton14 = nullptr;
    QToolButton *ToolButton12 = nullptr;
    QToolButton *btnKalibrace = nullptr;
    QToolButton *btnPosuvImg = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QToolButton *ToolButton4 = nullptr;
    QToolButton *ToolButton5 = nullptr;
    QToolButton *ToolButton6 = nullptr;
    QToolButton *ToolButton7 = nullptr;

    QFrame *Panel9 = nullptr;
    QToolButton *RxSpeedButton3 = nullptr;
    HSVBox *HSVBoxControl = nullptr; // object name "HSVBox"
    QFrame *Panel10 = nullptr;
    PictureBox *SaveImage = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *LbPocet = nullptr;
    QLabel *fmax = nullptr;
    QFrame *Panel11 = nullptr;
    QToolBar *ToolBar4 = nullptr;
    QToolButton *ToolButton20 = nullptr;
    QToolButton *ToolButton21 = nullptr;
    QToolButton *ToolButton23 = nullptr;
    QToolButton *Tisk = nullptr;
    QToolButton *ToolButton8 = nullptr;
    QToolButton *ToolButton9 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QFrame *Panel14 = nullptr;

    // Hidden auxiliary controls.
    PictureBox *ImageSave = nullptr;
    PictureBox *ImageSize = nullptr;
    PictureBox *ImageClear = nullptr;
    QScrollArea *ScrollBox = nullptr;
    PictureBox *ImageX[9] = {}; // ImageX1 .. ImageX9
    PictureBox *FotoDef = nullptr;
    QListWidget *DirectoryList = nullptr;
    QListWidget *FileList = nullptr;

    // Menu.
    QAction *Otevt1 = nullptr;
    QAction *Uloit1 = nullptr;
    QAction *isknoutaktulnfoto1 = nullptr;
    QAction *Konec1 = nullptr;
    QAction *Npovda2 = nullptr;
    QAction *Oprogramu1 = nullptr;

    // --- Window-wide state -------------------------------------------------------------
    bool guideLinesShown = false;
    bool dragPhoto = false;
    bool colourApplied = true;
    int albumCursor = 0;

private:
    void createLayout();
    void createMenu();
    void wireCommands();
    using Handler = void (TFrmMain::*)();
    std::function<void()> command(const char *handlerName, Handler handler);
    QToolButton *addToolButton(QToolBar *bar, const char *name, const QString &hint, const QString &icon,
                               const char *handlerName, Handler handler);

    UserDialogs &m_dialogs;
    QString m_applicationFolder;
    TAboutBox *m_aboutBox = nullptr;
    TFormExport *m_formExport = nullptr;
    TFrmNahled *m_frmNahled = nullptr;

    // --- Subsystem state: each subsystem adds its members in its own block below. ------
    // [catalogue]
public:
    // The thumbnail strip's tiles and the catalogue's folder listing, made at first use.
    class ThumbnailStrip *thumbnailStrip();

private:
    class ThumbnailStrip *m_thumbnailStrip = nullptr; // child of the window
    // [fitting]
public:
    LayerDrag layerDrag; // the pressed flag and grab point of a drag in the fitting area

private:
    void fitPhotoToHairstyle();
    FittingLayer fittingLayerOf(const QWidget *sender) const;
    // [colour]
    Recolourer ImageEnProc1; // recolours ImgUces's bitmap, keeping the copies that undo restores
    void recolourHairstyle(int red, int green, int blue);
    // [album]
public:
    AlbumStore ImageList; // the stored snapshots, in order; print and mail read them too

private:
    // [export]
    // What each save dialog reopens with: the file name and filter entry chosen last.
    struct SaveDialogMemory
    {
        QString fileName;
        int filter = 0;
    };
    SaveDialogMemory SavePictureDialog1; // BMP
    SaveDialogMemory SavePictureDialog2; // JPEG
    QString askExportFile(SaveDialogMemory &memory, const QStringList &filters, const QString &suffix);
    // [print]
public:
    // PrintOffsetX / PrintOffsetY: minus the physical offsets of the latest job's printer.
    PrintOffsets printOffsets;
    // What the print commands and the placement dialog reach of this window.
    PrintContext printContext();

private:
    // [mail]
    // [help]
    class HelpViewer *m_helpViewer = nullptr; // made at the first "Nápověda"
};
