#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The about box: product name, version, the program icon, the maker's notice and contacts,
// and the link to the product's web site, which opens in the user's browser.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // Opens the product's web address; the box stays open and a failure is not reported.
    void Label1Click();

    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Copyright = nullptr; // the maker's notice and credits
    QLabel *Comments = nullptr;
    QLabel *Label1 = nullptr; // the web link
    QPushButton *OKButton = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
