#include "output/TFrmNahled.h"

#include "output/PrintConversions.h"
#include "platform/FormBuilder.h"
#include "platform/HandlerGuard.h"
#include "platform/PictureBox.h"
#include "platform/PlatformError.h"
#include "platform/PrinterCanvas.h"
#include "platform/UserDialogs.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

namespace {

constexpr QPoint PreviewSlots[PrintSlotCount] = {{7, 24},    {90, 24}, {173, 24}, {7, 123},  {90, 123},
                                                 {173, 123}, {7, 222}, {90, 222}, {173, 222}};
constexpr QPoint PositionButtons[PrintSlotCount] = {{219, 23}, {245, 23}, {270, 23}, {219, 57}, {245, 57},
                                                    {270, 57}, {219, 91}, {245, 91}, {270, 91}};

QFont pixelFont(const QString &family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QSpinBox *makeSpinEdit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *spinEdit = new QSpinBox(parent);
    spinEdit->setObjectName(QLatin1String(name));
    spinEdit->setGeometry(geometry);
    spinEdit->setRange(0, 99999);
    spinEdit->setValue(0);
    return spinEdit;
}

} // namespace

TFrmNahled::TFrmNahled(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNahled"));
    setWindowTitle(QStringLiteral("Náhled před tiskem"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(pixelFont(font().family(), 11));
    resize(646, 404); // the client area of a 654 x 431 window with a sizeable frame

    Label1 = makeLabel(this, "Label1", QStringLiteral("Umístění fotografie na papíře"), {16, 16, 243, 23});
    Label1->setFont(pixelFont(QStringLiteral("DejaVu Sans"), 19));

    // The preview page and its pictures, from the bottom up: the sheet, the nine slots,
    // the movable preview on top.
    Panel1 = makePanel(this, "Panel1", {368, 8, 259, 362});
    Panel1->setAutoFillBackground(true);
    QPalette page = Panel1->palette();
    page.setColor(QPalette::Window, QColor(255, 255, 249));
    Panel1->setPalette(page);
    Image10 = makePicture(Panel1, QStringLiteral("Image10"), {1, 1, 257, 360});
    Image10->setPicture(whiteBitmap(18, 19));
    for (int k = 0; k < PrintSlotCount; ++k)
        Image[k] = makePicture(Panel1, QStringLiteral("Image%1").arg(k + 1), {PreviewSlots[k], QSize(75, 101)});
    ImagePohyb = makePicture(Panel1, QStringLiteral("ImagePohyb"), {0, 0, 75, 100});
    ImagePohyb->hide();

    Panel3 = makePanel(this, "Panel3", {16, 56, 337, 313});
    Panel2 = makePanel(Panel3, "Panel2", {16, 16, 305, 129});
    Label2 = makeLabel(Panel2, "Label2", QStringLiteral("Umístění fotografie automaticky"), {7, 6, 152, 13});
    Label2->setFont(pixelFont(QStringLiteral("DejaVu Sans"), 11));
    Label6 = makeLabel(Panel2, "Label6", QStringLiteral("Klikněte kde chcete foto umístit:"), {16, 57, 182, 15});
    Label6->setFont(pixelFont(QStringLiteral("Liberation Sans"), 12, true));
    for (int k = 0; k < PrintSlotCount; ++k) {
        RadioButton[k] = makeRadioButton(Panel2, QStringLiteral("RadioButton%1").arg(k + 1), QString(),
                                         {PositionButtons[k], QSize(15, 17)});
        connect(RadioButton[k], &QRadioButton::clicked, this, [this] { run([this] { FormShow(); }); });
    }
    RadioButton[0]->setChecked(true);
    // Qt's automatic exclusivity spans nested panels; each group gets its own.
    auto *positionGroup = new QButtonGroup(this);
    for (QRadioButton *button : RadioButton)
        positionGroup->addButton(button);

    Panel4 = makePanel(Panel3, "Panel4", {16, 152, 305, 113});
    Label3 = makeLabel(Panel4, "Label3", QStringLiteral("Umístění fotografie ručně"), {7, 6, 121, 13});
    Label3->setFont(pixelFont(QStringLiteral("DejaVu Sans"), 11));
    Label4 = makeLabel(Panel4, "Label4", QStringLiteral("Vlevo"), {16, 40, 27, 13});
    SpinEditL = makeSpinEdit(Panel4, "SpinEditL", {64, 37, 121, 22});
    Label7 = makeLabel(Panel4, "Label7", QStringLiteral("mm"), {192, 40, 16, 13});
    Label5 = makeLabel(Panel4, "Label5", QStringLiteral("Nahoře"), {16, 72, 36, 13});
    SpinEditT = makeSpinEdit(Panel4, "SpinEditT", {64, 69, 121, 22});
    Label8 = makeLabel(Panel4, "Label8", QStringLiteral("mm"), {192, 72, 16, 13});

    ButtonTisk = makeButton(Panel3, QStringLiteral("ButtonTisk"), QStringLiteral("Tisk"), {16, 272, 75, 25});
    ButtonTisk->setAutoDefault(false);
    RadioButtonAuto = makeRadioButton(Panel3, QStringLiteral("RadioButtonAuto"), QStringLiteral("Automatická pozice"),
                                      {104, 277, 113, 17});
    RadioButtonAuto->setChecked(true);
    RadioButtonRuce =
        makeRadioButton(Panel3, QStringLiteral("RadioButtonRuce"), QStringLiteral("Ruční pozice"), {232, 278, 93, 17});
    auto *modeGroup = new QButtonGroup(this);
    modeGroup->addButton(RadioButtonAuto);
    modeGroup->addButton(RadioButtonRuce);

    ButtonStorno = makeButton(this, QStringLiteral("ButtonStorno"), QStringLiteral("Storno"), {553, 375, 75, 25});
    ButtonStorno->setAutoDefault(false);

    // Tab order: the automatic group, "Tisk", the manual group (top before left), the
    // mode buttons, then "Storno".
    QWidget *order[] = {RadioButton[0],  ButtonTisk,      SpinEditT,   SpinEditL,
                        RadioButtonAuto, RadioButtonRuce, ButtonStorno};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(RadioButtonAuto, &QRadioButton::clicked, this, [this] { run([this] { RadioButtonAutoClick(); }); });
    connect(RadioButtonRuce, &QRadioButton::clicked, this, [this] { run([this] { RadioButtonRuceClick(); }); });
    // Every change of the text: the spin box reports set and stepped values, its editor
    // the typing, even of a text that is not yet a valid value. Moving twice is harmless.
    for (QSpinBox *spinEdit : {SpinEditL, SpinEditT}) {
        const auto change = [this, spinEdit] {
            run([this, spinEdit] { spinEdit == SpinEditL ? SpinEditLChange() : SpinEditTChange(); });
        };
        connect(spinEdit, &QSpinBox::textChanged, this, change);
        connect(spinEdit->findChild<QLineEdit *>(), &QLineEdit::textChanged, this, change);
    }
    connect(ButtonTisk, &QPushButton::clicked, this, [this] { run([this] { ButtonTiskClick(); }); });
    connect(ButtonStorno, &QPushButton::clicked, this, [this] { run([this] { ButtonStornoClick(); }); });

    // Captions size themselves to their text where the font needs more than the layout gives.
    for (QWidget *caption : std::initializer_list<QWidget *>{Label1, Label2, Label3, Label4, Label5, Label6, Label7,
                                                             Label8, RadioButtonAuto, RadioButtonRuce})
        caption->resize(caption->size().expandedTo(caption->sizeHint()));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmNahled::run(const std::function<void()> &handler)
{
    if (m_context.dialogs)
        runGuarded(*m_context.dialogs, handler);
    else
        handler();
}

void TFrmNahled::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    run([this] { FormShow(); });
}

QImage TFrmNahled::shownSnapshot() const
{
    return m_context.albumViewer ? m_context.albumViewer->picture().copy() : QImage();
}

int TFrmNahled::spinValue(const QSpinBox *spinEdit)
{
    bool ok = false;
    const int value = spinEdit->cleanText().trimmed().toInt(&ok);
    return ok ? value : 0;
}

void TFrmNahled::FormShow()
{
    const QImage blank = m_context.blankPicture ? m_context.blankPicture->picture() : whiteBitmap(18, 19);
    for (PictureBox *slot : Image)
        slot->setPicture(blank.copy());
    const QImage snapshot = shownSnapshot();
    for (int k = 0; k < PrintSlotCount; ++k)
        if (RadioButton[k]->isChecked())
            Image[k]->setPicture(snapshot);
    ImagePohyb->setPicture(snapshot);
}

void TFrmNahled::RadioButtonAutoClick()
{
    for (PictureBox *slot : Image)
        slot->show();
    ImagePohyb->hide();
}

void TFrmNahled::RadioButtonRuceClick()
{
    for (PictureBox *slot : Image)
        slot->hide();
    ImagePohyb->setPicture(shownSnapshot());
    ImagePohyb->show();
}

void TFrmNahled::SpinEditLChange()
{
    const int ppi = m_context.mainWindow ? m_context.pixelsPerInch() : logicalDpiX();
    ImagePohyb->move(PreviewPixels(spinValue(SpinEditL), ppi), ImagePohyb->y());
}

void TFrmNahled::SpinEditTChange()
{
    const int ppi = m_context.mainWindow ? m_context.pixelsPerInch() : logicalDpiX();
    ImagePohyb->move(ImagePohyb->x(), PreviewPixels(spinValue(SpinEditT), ppi));
}

void TFrmNahled::ButtonTiskClick()
{
    if (!m_context.dialogs)
        throw PlatformError(QStringLiteral("Printer selected is not valid"));
    std::unique_ptr<PrinterCanvas> printer = m_context.dialogs->choosePrinter();
    if (printer) {
        const QImage snapshot = shownSnapshot();
        ClearPrintHolders(m_context);
        if (RadioButtonAuto->isChecked()) {
            for (int k = 0; k < PrintSlotCount; ++k)
                if (RadioButton[k]->isChecked())
                    m_context.holders[k]->setPicture(snapshot);
            PrintHolderPage(*printer, m_context, SlotPlacements());
        } else {
            m_context.holders[0]->setPicture(snapshot);
            PrintHolderPage(*printer, m_context,
                            ManualPlacement(spinValue(SpinEditL), spinValue(SpinEditT), m_context.pixelsPerInch()));
        }
    }
    close();
}

void TFrmNahled::ButtonStornoClick()
{
    close();
}
