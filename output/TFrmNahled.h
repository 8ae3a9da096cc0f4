#pragma once

#include <QDialog>

class TFrmNahled : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmNahled(QWidget *parent = nullptr);
};
