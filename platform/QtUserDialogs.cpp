#include "platform/QtUserDialogs.h"

#include "platform/FileDialogFilters.h"
#include "platform/ApplicationTitle.h"
#include "platform/QtPrinterCanvas.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

FileDialogResult runFileDialog(QWidget *owner, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    FileDialogFilters::apply(dialog, request.filters, request.selectedFilter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.fileName = dialog.selectedFiles().constFirst();
    result.selectedFilter = FileDialogFilters::selectedIndex(dialog, request.filters);
    return result;
}

} // namespace

void QtUserDialogs::showWarning(const QString &text)
{
    showMessage(text, QStringLiteral("Warning"), MessageIcon::Warning);
}

void QtUserDialogs::showError(const QString &text)
{
    showMessage(text, applicationTitle(), MessageIcon::Error);
}

void QtUserDialogs::showMessage(const QString &text, const QString &caption, MessageIcon icon)
{
    QMessageBox box(toQtIcon(icon), caption, text, QMessageBox::Ok, m_owner);
    box.exec();
}

bool QtUserDialogs::askYesNo(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_owner);
    return box.exec() == QMessageBox::Yes;
}

FileDialogResult QtUserDialogs::openFile(const FileDialogRequest &request)
{
    return runFileDialog(m_owner, request, QFileDialog::AcceptOpen);
}

FileDialogResult QtUserDialogs::saveFile(const FileDialogRequest &request)
{
    return runFileDialog(m_owner, request, QFileDialog::AcceptSave);
}

std::unique_ptr<PrinterCanvas> QtUserDialogs::choosePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<QtPrinterCanvas>(std::move(printer));
}
