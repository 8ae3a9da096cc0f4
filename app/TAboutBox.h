#pragma once

#include <QDialog>

// The about box: product name, version, the maker's notice and the web link.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
