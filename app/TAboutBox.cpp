#include "app/TAboutBox.h"

#include "output/MailRequest.h"
#include "platform/FormBuilder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

// Labels size themselves to their text, as far as it needs more than the layout's size.
QLabel *makeCaption(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = makeLabel(parent, QLatin1String(name), text, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!text.isEmpty())
        label->resize(label->size().expandedTo(label->sizeHint()));
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(296, 234);

    Panel1 = makePanel(this, QStringLiteral("Panel1"), {8, 8, 281, 193}, QFrame::Sunken, QFrame::Box);
    Panel1->setMidLineWidth(0);

    ProgramIcon = makeCaption(Panel1, "ProgramIcon", QString(), {8, 8, 32, 32});
    // The application's own icon; before the program has set one, the same picture from the resources.
    const QIcon icon =
        QApplication::windowIcon().isNull() ? QIcon(QStringLiteral(":/icons/kadelo.png")) : QApplication::windowIcon();
    ProgramIcon->setPixmap(icon.pixmap(32, 32));
    ProductName = makeCaption(Panel1, "ProductName", QStringLiteral("Kadelo - Česelka"), {88, 16, 130, 13});
    Version = makeCaption(Panel1, "Version", QStringLiteral("verze 1.0"), {88, 32, 44, 13});
    Copyright = makeCaption(Panel1, "Copyright",
                            QStringLiteral("© 2026 Kadelo s.r.o.\n"
                                           "Všechna práva vyhrazena.\n"
                                           "\n"
                                           "Děkujeme za pomoc:\n"
                                           "Jana Nováková\n"
                                           "Petr Dvořák\n"
                                           "Eva Svobodová"),
                            {16, 66, 131, 91});
    Comments =
        makeCaption(Panel1, "Comments", QStringLiteral("tel.: 555 123 456\ninfo@kadelo.cz"), {160, 131, 111, 26});
    Comments->setWordWrap(true);

    Label1 = makeCaption(Panel1, "Label1", QUrl(ProductWebAddress()).host(), {73, 170, 134, 13});
    QFont linkFont = Label1->font();
    linkFont.setPixelSize(11);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    QPalette linkPalette = Label1->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label1->setPalette(linkPalette);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setWordWrap(true);
    Label1->resize(Label1->size().expandedTo(Label1->sizeHint()));
    Label1->installEventFilter(this);

    OKButton = makeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"), {111, 204, 75, 25});
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutBox::Label1Click()
{
    QDesktopServices::openUrl(QUrl(ProductWebAddress()));
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
