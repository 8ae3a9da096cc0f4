#include "colour/HSVBox.h"

HSVBox::HSVBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HSVBox"));
}
