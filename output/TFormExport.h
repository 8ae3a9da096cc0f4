#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;
class QRadioButton;

// The export format dialog: created once, shown modally by the export command, keeps its
// radio selection between showings. The choice is 1 for JPEG, 0 for BMP and -1 when the
// dialog was left any other way than with OK.
class TFormExport : public QDialog
{
    Q_OBJECT

public:
    explicit TFormExport(QWidget *parent = nullptr);

    int exportChoice() const { return m_choice; }

    void FormCreate();
    void ButtonOKClick();
    void ButtonStornoClick();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Panel1 = nullptr;
    QRadioButton *RadioJPG = nullptr;
    QRadioButton *RadioBMP = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonStorno = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_choice = -1;
};
