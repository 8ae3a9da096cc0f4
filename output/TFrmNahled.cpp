#include "output/TFrmNahled.h"

TFrmNahled::TFrmNahled(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNahled"));
    setWindowTitle(QStringLiteral("Náhled před tiskem"));
}
