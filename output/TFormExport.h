#pragma once

#include <QDialog>

class TFormExport : public QDialog
{
    Q_OBJECT

public:
    explicit TFormExport(QWidget *parent = nullptr);
};
