#include "output/TFormExport.h"

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

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 24, 24);
    Image1->setPixmap(QPixmap(QStringLiteral(":/icons/export-dialog.png")));
    Image1->setScaledContents(true);

    Label1 = new QLabel(QStringLiteral("Exportovat do formátu:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(48, 14, 286, 28);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(19);
    Label1->setFont(labelFont);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(16, 56, 318, 128);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    RadioJPG = new QRadioButton(QStringLiteral("*.JPG (Jpeg)"), Panel1);
    RadioJPG->setObjectName(QStringLiteral("RadioJPG"));
    RadioJPG->setGeometry(24, 28, 270, 20);
    RadioBMP = new QRadioButton(QStringLiteral("*.BMP (bitmapa)"), Panel1);
    RadioBMP->setObjectName(QStringLiteral("RadioBMP"));
    RadioBMP->setGeometry(24, 76, 270, 20);

    // Neither button is the default or the cancel button.
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(96, 204, 75, 25);
    ButtonOK->setAutoDefault(false);
    ButtonStorno = new QPushButton(QStringLiteral("Storno"), this);
    ButtonStorno->setObjectName(QStringLiteral("ButtonStorno"));
    ButtonStorno->setGeometry(179, 204, 75, 25);
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
