#include "output/TFormExport.h"

#include "platform/FormBuilder.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

TFormExport::TFormExport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormExport"));
    setWindowTitle(QStringLiteral("Export"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(350, 246);
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);

    Image1 = makeLabel(this, QStringLiteral("Image1"), QString(), {16, 16, 24, 24});
    Image1->setPixmap(QPixmap(QStringLiteral(":/icons/export-dialog.png")));
    Image1->setScaledContents(true);

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Exportovat do formátu:"), {48, 14, 286, 28});
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(19);
    Label1->setFont(labelFont);

    Panel1 = makePanel(this, QStringLiteral("Panel1"), {16, 56, 318, 128}, QFrame::Sunken);
    RadioJPG = makeRadioButton(Panel1, QStringLiteral("RadioJPG"), QStringLiteral("*.JPG (Jpeg)"), {24, 28, 270, 20});
    RadioBMP =
        makeRadioButton(Panel1, QStringLiteral("RadioBMP"), QStringLiteral("*.BMP (bitmapa)"), {24, 76, 270, 20});

    // Neither button is the default or the cancel button.
    ButtonOK = makeButton(this, QStringLiteral("ButtonOK"), QStringLiteral("OK"), {96, 204, 75, 25});
    ButtonOK->setAutoDefault(false);
    ButtonStorno = makeButton(this, QStringLiteral("ButtonStorno"), QStringLiteral("Storno"), {179, 204, 75, 25});
    ButtonStorno->setAutoDefault(false);

    connect(ButtonOK, &QPushButton::clicked, this, &TFormExport::ButtonOKClick);
    connect(ButtonStorno, &QPushButton::clicked, this, &TFormExport::ButtonStornoClick);

    FormCreate();
}

void TFormExport::FormCreate()
{
    m_choice = -1;
    RadioJPG->setChecked(true);
}

void TFormExport::ButtonOKClick()
{
    m_choice = RadioJPG->isChecked() ? 1 : 0;
    accept();
}

void TFormExport::ButtonStornoClick()
{
    m_choice = -1;
    reject();
}

void TFormExport::showEvent(QShowEvent *event)
{
    m_choice = -1;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
