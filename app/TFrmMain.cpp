#include "app/TFrmMain.h"

#include "app/PictureLabel.h"
#include "app/TAboutBox.h"
#include "colour/HSVBox.h"
#include "fitting/FittingArea.h"
#include "output/TFormExport.h"
#include "output/TFrmNahled.h"
#include "platform/FormBuilder.h"
#include "platform/HandlerGuard.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

// A handler by its name and its member function, written once.
#define HANDLER(name) #name, &TFrmMain::name

namespace {

constexpr int ClientWidth = 857;
constexpr int ClientHeight = 404;

// A thin separator line above a group of tool buttons.
QFrame *makeBevel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setGeometry(geometry);
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return bevel;
}

// The tool bars place their buttons themselves, at the form's positions: each bar keeps the
// position of its next button in the property "nextButton".
constexpr const char *NextButton = "nextButton";
constexpr int FirstButton = 2;
constexpr int SeparatorWidth = 5;

QToolBar *makeToolBar(QWidget *parent, const char *name, Qt::Orientation orientation, const QRect &geometry,
                      int iconSize)
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setOrientation(orientation);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(iconSize, iconSize));
    bar->setGeometry(geometry);
    bar->setStyleSheet(
        QStringLiteral("QToolBar { border: none; background: transparent; spacing: 0px; padding: 0px; }"));
    bar->setProperty(NextButton, FirstButton);
    return bar;
}

// A separator between two groups of buttons: a sunken line across the bar.
void addToolSeparator(QToolBar *bar, const char *name)
{
    const int at = bar->property(NextButton).toInt();
    auto *line = new QFrame(bar);
    line->setObjectName(QLatin1String(name));
    if (bar->orientation() == Qt::Vertical) {
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(2, at, bar->width() - 4, SeparatorWidth);
    } else {
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setGeometry(at, 2, SeparatorWidth, bar->height() - 4);
    }
    bar->setProperty(NextButton, at + SeparatorWidth);
}

} // namespace

TFrmMain::TFrmMain(UserDialogs &dialogs, QWidget *parent) : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Kadelo - Česelka - 1.0"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);

    createLayout();
    createMenu();
    wireCommands();

    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    runCommand([this] { FormCreate(); });
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::attachDialogs(TAboutBox *aboutBox, TFormExport *formExport, TFrmNahled *frmNahled)
{
    m_aboutBox = aboutBox;
    m_formExport = formExport;
    m_frmNahled = frmNahled;
}

void TFrmMain::runCommand(const std::function<void()> &handler)
{
    runGuarded(m_dialogs, handler);
}

void TFrmMain::runCommand(const QString &handlerName, const std::function<void()> &handler)
{
    Q_EMIT commandStarted(handlerName);
    runGuarded(m_dialogs, handler);
}

std::function<void()> TFrmMain::command(const char *handlerName, Handler handler)
{
    return [this, handlerName, handler] {
        runCommand(QLatin1String(handlerName), [this, handler] { (this->*handler)(); });
    };
}

void TFrmMain::FormCreate()
{
    m_applicationFolder = QDir::currentPath();
    guideLinesShown = false;
    dragPhoto = false;
    colourApplied = true;
    albumCursor = 0;
    DiscoverCategories();
    BuildThumbnailStrip();
}

void TFrmMain::Konec1Click()
{
    close();
}

void TFrmMain::createLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    // Three columns on one background panel; the window cuts off its part beyond 857.
    pnlPozadi = makePanel(client, "pnlPozadi", {0, 1, 873, 384}, QFrame::Plain, QFrame::NoFrame);

    // Catalogue column.
    Panel1 = makePanel(pnlPozadi, "Panel1", {0, 0, 264, 384});
    ScrNahledy = new QScrollArea(Panel1);
    ScrNahledy->setObjectName(QStringLiteral("ScrNahledy"));
    ScrNahledy->setGeometry(24, 24, 201, 297);
    ScrNahledy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrNahledy->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrNahledy->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    ScrNahledy->setWidgetResizable(false);
    ScrNahledy->setStyleSheet(
        QStringLiteral("QScrollArea#ScrNahledy, QWidget#ScrNahledyContent { background: rgb(160,160,164); }"));
    ScrNahledyContent = new QWidget;
    ScrNahledyContent->setObjectName(QStringLiteral("ScrNahledyContent"));
    ScrNahledyContent->resize(180, 0);
    ScrNahledy->setWidget(ScrNahledyContent);

    RxSpeedButton1 = new QToolButton(Panel1);
    RxSpeedButton1->setObjectName(QStringLiteral("RxSpeedButton1"));
    RxSpeedButton1->setGeometry(228, 24, 25, 149);
    RxSpeedButton1->setIcon(QIcon(QStringLiteral(":/icons/arrow-orange-up.png")));
    RxSpeedButton1->setIconSize(QSize(24, 24));
    RxSpeedButton1->setAutoRaise(true);
    RxSpeedButton2 = new QToolButton(Panel1);
    RxSpeedButton2->setObjectName(QStringLiteral("RxSpeedButton2"));
    RxSpeedButton2->setGeometry(228, 172, 25, 149);
    RxSpeedButton2->setIcon(QIcon(QStringLiteral(":/icons/arrow-orange-down.png")));
    RxSpeedButton2->setIconSize(QSize(24, 24));
    RxSpeedButton2->setAutoRaise(true);

    Label1 = makeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Styly vlasů:"), {23, 339, 61, 14});
    QFont arialBold(QStringLiteral("Liberation Sans"));
    arialBold.setPixelSize(11);
    arialBold.setBold(true);
    Label1->setFont(arialBold);

    ComboBox = new QComboBox(Panel1);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    ComboBox->setGeometry(91, 336, 133, 21);
    ComboBox->setEditable(false);

    // Centre column: caption strip, tool bar column, fitting area, spacer, photo tool bar.
    pnlFoto = makePanel(pnlPozadi, "pnlFoto", {264, 0, 345, 384});
    Panel4 = makePanel(pnlFoto, "Panel4", {1, 1, 343, 24}, QFrame::Plain, QFrame::NoFrame);
    new PictureLabel(Panel4, "Image9", {160, 7, 37, 11}, QStringLiteral("Náhled"), Qt::Horizontal);

    Panel5 = makePanel(pnlFoto, "Panel5", {1, 25, 46, 327}, QFrame::Plain, QFrame::NoFrame);
    auto *panel8 = makePanel(Panel5, "Panel8", {0, 0, 2, 327}, QFrame::Plain, QFrame::NoFrame);
    Q_UNUSED(panel8);
    makeBevel(Panel5, "Bevel1", {0, 0, 13, 2});
    makeBevel(Panel5, "Bevel3", {0, 61, 13, 2});
    makeBevel(Panel5, "Bevel2", {0, 153, 13, 2});
    makeBevel(Panel5, "Bevel4", {0, 245, 13, 2});
    new PictureLabel(Panel5, "Image4", {3, 12, 9, 36}, QStringLiteral("Soubor"), Qt::Vertical);
    new PictureLabel(Panel5, "Image2", {3, 66, 10, 82}, QStringLiteral("Nastavení účesu"), Qt::Vertical);
    new PictureLabel(Panel5, "Image3", {3, 158, 12, 78}, QStringLiteral("Nastavení fotky"), Qt::Vertical);
    new PictureLabel(Panel5, "Image5", {5, 250, 9, 46}, QStringLiteral("Kalibrace"), Qt::Vertical);

    ToolBar2 = makeToolBar(Panel5, "ToolBar2", Qt::Vertical, {18, 0, 28, 327}, 16);
    Panel3 = new FittingArea(pnlFoto);
    Panel3->setGeometry(47, 25, 265, 327);
    ImgFoto = Panel3->photoLayer();
    ImgUces = Panel3->hairstyleLayer();
    Panel7 = makePanel(pnlFoto, "Panel7", {312, 25, 32, 327}, QFrame::Plain, QFrame::NoFrame);
    Panel6 = makePanel(pnlFoto, "Panel6", {1, 352, 343, 31}, QFrame::Plain, QFrame::NoFrame);
    ToolBar1 = makeToolBar(Panel6, "ToolBar1", Qt::Horizontal, {0, -2, 327, 30}, 20);
    auto *panel15 = new QWidget(ToolBar1);
    panel15->setObjectName(QStringLiteral("Panel15"));
    panel15->setGeometry(0, 2, 113, 26);
    ToolBar1->setProperty(NextButton, 113);

    // Right column: colour box, album viewer and its tool bar.
    Panel9 = makePanel(pnlPozadi, "Panel9", {609, 0, 248, 384});
    new PictureLabel(Panel9, "Image10", {7, 25, 12, 63}, QStringLiteral("Barva vlasů"), Qt::Vertical);
    RxSpeedButton3 = new QToolButton(Panel9);
    RxSpeedButton3->setObjectName(QStringLiteral("RxSpeedButton3"));
    RxSpeedButton3->setGeometry(23, 16, 27, 82);
    RxSpeedButton3->setIcon(QIcon(QStringLiteral(":/icons/colour-reset.png")));
    RxSpeedButton3->setIconSize(QSize(16, 16));
    HSVBoxControl = new HSVBox(Panel9);
    HSVBoxControl->setObjectName(QStringLiteral("HSVBox"));
    HSVBoxControl->setGeometry(56, 16, 177, 81);

    Panel10 = makePanel(Panel9, "Panel10", {56, 106, 179, 238});
    Panel10->setLineWidth(3);
    SaveImage = makePicture(Panel10, "SaveImage", {16, 15, 147, 197}, whiteBitmap(229, 312));
    QFont albumFont(QStringLiteral("Liberation Sans"));
    albumFont.setPixelSize(12);
    albumFont.setBold(true);
    auto makeAlbumLabel = [&](const char *name, const QString &text, const QRect &geometry, Qt::Alignment align) {
        auto *label = makeLabel(Panel10, QLatin1String(name), text, geometry);
        label->setFont(albumFont);
        label->setAlignment(align | Qt::AlignTop);
        return label;
    };
    Label2 = makeAlbumLabel("Label2", QStringLiteral("fotografie č."), {33, 215, 81, 19}, Qt::AlignHCenter);
    LbPocet = makeAlbumLabel("LbPocet", QStringLiteral("0"), {107, 215, 13, 19}, Qt::AlignHCenter);
    fmax = makeAlbumLabel("fmax", QStringLiteral("z 0"), {120, 215, 40, 19}, Qt::AlignLeft);

    Panel11 = makePanel(Panel9, "Panel11", {4, 120, 47, 177}, QFrame::Plain, QFrame::NoFrame);
    makeBevel(Panel11, "Bevel6", {0, 0, 13, 2});
    makeBevel(Panel11, "Bevel7", {0, 86, 13, 2});
    new PictureLabel(Panel11, "Image7", {3, 7, 11, 76}, QStringLiteral("Uložení účesu"), Qt::Vertical);
    new PictureLabel(Panel11, "Image8", {3, 91, 11, 58}, QStringLiteral("Tisk účesu"), Qt::Vertical);
    ToolBar4 = makeToolBar(Panel11, "ToolBar4", Qt::Vertical, {19, 0, 28, 177}, 16);

    Button1 = makeButton(Panel9, QStringLiteral("Button1"), QStringLiteral("Předchozí"), {56, 351, 75, 25});
    Button2 = makeButton(Panel9, QStringLiteral("Button2"), QStringLiteral("Další"), {160, 351, 75, 25});

    // Bottom strip.
    Panel14 = makePanel(client, "Panel14", {0, 385, 857, 19});
    new PictureLabel(Panel14, "Image6", {400, 3, 85, 13}, QStringLiteral("Nastavení fotky"), Qt::Horizontal);

    // Hidden auxiliary controls: outside the client area or invisible.
    ImageSave = makePicture(client, "ImageSave", {874, 28, 229, 312}, whiteBitmap(229, 312));
    ImageSize = makePicture(client, "ImageSize", {872, 464, 57, 73});
    ImageSize->setAutoSize(true);
    ImageClear = makePicture(client, "ImageClear", {872, 403, 18, 19}, whiteBitmap(18, 19));
    ScrollBox = new QScrollArea(client);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setGeometry(0, 404, 857, 325);
    auto *slotHolders = new QWidget;
    slotHolders->resize(3 * 224, 3 * 299);
    for (int k = 0; k < 9; ++k) {
        const QByteArray name = "ImageX" + QByteArray::number(k + 1);
        ImageX[k] =
            makePicture(slotHolders, name.constData(), {(k % 3) * 224, (k / 3) * 299, 220, 295}, whiteBitmap(18, 19));
    }
    ScrollBox->setWidget(slotHolders);
    FotoDef = makePicture(pnlPozadi, "FotoDef", {616, 56, 105, 105},
                          FittingArea::bundledPhoto(QStringLiteral(":/photos/default.jpg")));
    FotoDef->hide();
    DirectoryList = new QListWidget(pnlPozadi);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    DirectoryList->setGeometry(608, 168, 145, 84);
    DirectoryList->hide();
    FileList = new QListWidget(pnlPozadi);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setGeometry(608, 264, 145, 97);
    FileList->hide();

    // Tool buttons, in the order of their bars.
    ToolButton19 = addToolButton(ToolBar2, "ToolButton19", QStringLiteral("Výchozí fotka"),
                                 QStringLiteral("blank-page"), HANDLER(ToolButton19Click));
    ToolButton18 = addToolButton(ToolBar2, "ToolButton18", QStringLiteral("Otevřít fotku"),
                                 QStringLiteral("open-folder"), HANDLER(ToolButton18Click));
    addToolSeparator(ToolBar2, "ToolButton17");
    btnUcesPlus = addToolButton(ToolBar2, "btnUcesPlus", QStringLiteral("Zvětšit účes"), QStringLiteral("zoom-in"),
                                HANDLER(btnUcesPlusClick));
    ToolButton13 = addToolButton(ToolBar2, "ToolButton13", QStringLiteral("Výchozí účes"), QStringLiteral("reset"),
                                 HANDLER(ToolButton13Click));
    btnUcesMinus = addToolButton(ToolBar2, "btnUcesMinus", QStringLiteral("Zmenšit účes"), QStringLiteral("zoom-out"),
                                 HANDLER(btnUcesMinusClick));
    addToolSeparator(ToolBar2, "ToolButton10");
    ToolButton11 = addToolButton(ToolBar2, "ToolButton11", QStringLiteral("Zvětšit foto"), QStringLiteral("zoom-in"),
                                 HANDLER(ToolButton11Click));
    ToolButton14 = addToolButton(ToolBar2, "ToolButton14", QStringLiteral("Výchozí velikost fotky"),
                                 QStringLiteral("reset"), HANDLER(ToolButton14Click));
    ToolButton12 = addToolButton(ToolBar2, "ToolButton12", QStringLiteral("Zmenšit foto"), QStringLiteral("zoom-out"),
                                 HANDLER(ToolButton12Click));
    addToolSeparator(ToolBar2, "ToolButton15");
    btnKalibrace = addToolButton(ToolBar2, "btnKalibrace", QStringLiteral("Zobrazit pomocné čáry"),
                                 QStringLiteral("guide-lines"), HANDLER(btnKalibraceClick));
    btnKalibrace->setCheckable(true);
    btnPosuvImg = addToolButton(ToolBar2, "btnPosuvImg", QStringLiteral("Posouvat fotku myší"),
                                QStringLiteral("photos"), HANDLER(btnPosuvImgClick));
    btnPosuvImg->setCheckable(true);

    ToolButton1 = addToolButton(ToolBar1, "ToolButton1", QStringLiteral("Foto doleva"), QStringLiteral("arrow-left"),
                                HANDLER(ToolButton1Click));
    ToolButton4 = addToolButton(ToolBar1, "ToolButton4", QStringLiteral("Foto doprava"), QStringLiteral("arrow-right"),
                                HANDLER(ToolButton4Click));
    ToolButton5 = addToolButton(ToolBar1, "ToolButton5", QStringLiteral("Výchozí pozice fotky"),
                                QStringLiteral("reset-large"), HANDLER(ToolButton5Click));
    ToolButton6 = addToolButton(ToolBar1, "ToolButton6", QStringLiteral("Foto nahoru"), QStringLiteral("arrow-up"),
                                HANDLER(ToolButton6Click));
    ToolButton7 = addToolButton(ToolBar1, "ToolButton7", QStringLiteral("Foto dolů"), QStringLiteral("arrow-down"),
                                HANDLER(ToolButton7Click));

    ToolButton20 = addToolButton(ToolBar4, "ToolButton20", QStringLiteral("Vložit fotografii"),
                                 QStringLiteral("floppy"), HANDLER(ToolButton20Click));
    ToolButton21 = addToolButton(ToolBar4, "ToolButton21", QStringLiteral("Exportovat foto"), QStringLiteral("export"),
                                 HANDLER(ToolButton21Click));
    ToolButton23 = addToolButton(ToolBar4, "ToolButton23", QStringLiteral("Smazat foto"), QStringLiteral("delete"),
                                 HANDLER(ToolButton23Click));
    addToolSeparator(ToolBar4, "ToolButton2");
    Tisk =
        addToolButton(ToolBar4, "Tisk", QStringLiteral("Tisknout foto"), QStringLiteral("printer"), HANDLER(TiskClick));
    ToolButton8 = addToolButton(ToolBar4, "ToolButton8", QStringLiteral("Tisknout všechny fotky"),
                                QStringLiteral("printer-all"), HANDLER(ToolButton3Click));
    ToolButton9 = addToolButton(ToolBar4, "ToolButton9", QStringLiteral("Poslat mailem"), QStringLiteral("mail"),
                                HANDLER(ToolButton9Click));
}

QToolButton *TFrmMain::addToolButton(QToolBar *bar, const char *name, const QString &hint, const QString &icon,
                                     const char *handlerName, Handler handler)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".png")));
    button->setAutoRaise(true);
    const bool vertical = bar->orientation() == Qt::Vertical;
    const QSize size = vertical ? (bar == ToolBar2 ? QSize(27, 28) : QSize(28, 27)) : QSize(27, 26);
    const int at = bar->property(NextButton).toInt();
    button->setGeometry(vertical ? QRect(QPoint(0, at), size) : QRect(QPoint(at, FirstButton), size));
    bar->setProperty(NextButton, at + (vertical ? size.height() : size.width()));
    connect(button, &QToolButton::clicked, this, command(handlerName, handler));
    return button;
}

void TFrmMain::createMenu()
{
    auto addItem = [this](QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut,
                          const char *handlerName, Handler handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, command(handlerName, handler));
        return action;
    };

    QMenu *soubor = menuBar()->addMenu(QStringLiteral("Soubor"));
    soubor->setObjectName(QStringLiteral("Soubor1"));
    Otevt1 = addItem(soubor, "Otevt1", QStringLiteral("Otevřít foto"), QKeySequence(Qt::CTRL | Qt::Key_O),
                     HANDLER(ToolButton18Click));
    Uloit1 = addItem(soubor, "Uloit1", QStringLiteral("Uložit do seznamu"), QKeySequence(Qt::CTRL | Qt::Key_S),
                     HANDLER(ToolButton20Click));
    soubor->addSeparator()->setObjectName(QStringLiteral("N2"));
    isknoutaktulnfoto1 = addItem(soubor, "isknoutaktulnfoto1", QStringLiteral("Tisknout aktuální foto"),
                                 QKeySequence(Qt::CTRL | Qt::Key_T), HANDLER(TiskClick));
    soubor->addSeparator()->setObjectName(QStringLiteral("N1"));
    Konec1 = addItem(soubor, "Konec1", QStringLiteral("Konec"), QKeySequence(), HANDLER(Konec1Click));

    QMenu *napoveda = menuBar()->addMenu(QStringLiteral("Nápověda"));
    napoveda->setObjectName(QStringLiteral("Npovda1"));
    Npovda2 = addItem(napoveda, "Npovda2", QStringLiteral("Nápověda"), QKeySequence(Qt::Key_F1), HANDLER(Npovda2Click));
    Oprogramu1 =
        addItem(napoveda, "Oprogramu1", QStringLiteral("O programu"), QKeySequence(), HANDLER(Oprogramu1Click));
}

void TFrmMain::wireCommands()
{
    connect(RxSpeedButton1, &QToolButton::clicked, this, command(HANDLER(RxSpeedButton1Click)));
    connect(RxSpeedButton2, &QToolButton::clicked, this, command(HANDLER(RxSpeedButton2Click)));
    connect(RxSpeedButton3, &QToolButton::clicked, this, command(HANDLER(RxSpeedButton3Click)));
    connect(ComboBox, &QComboBox::activated, this, command(HANDLER(ComboBoxChange)));
    connect(HSVBoxControl, &HSVBox::changed, this, command(HANDLER(HSVBoxChange)));
    connect(Button1, &QPushButton::clicked, this, command(HANDLER(Button1Click)));
    connect(Button2, &QPushButton::clicked, this, command(HANDLER(Button2Click)));

    for (PictureBox *layer : {ImgFoto, ImgUces}) {
        connect(layer, &PictureBox::mousePressed, this, [this, layer](QMouseEvent *event) {
            runCommand(QStringLiteral("ControlMouseDown"), [&] { ControlMouseDown(layer, event); });
        });
        connect(layer, &PictureBox::mouseMoved, this, [this, layer](QMouseEvent *event) {
            runCommand(QStringLiteral("ControlMouseMove"), [&] { ControlMouseMove(layer, event); });
        });
        connect(layer, &PictureBox::mouseReleased, this, [this, layer](QMouseEvent *event) {
            runCommand(QStringLiteral("ControlMouseUp"), [&] { ControlMouseUp(layer, event); });
        });
    }
}
