#include "output/TFormExport.h"

TFormExport::TFormExport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormExport"));
    setWindowTitle(QStringLiteral("Export"));
}
