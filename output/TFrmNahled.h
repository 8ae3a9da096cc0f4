#pragma once

#include "output/PrintHolders.h"

#include <QDialog>
#include <functional>

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The print placement dialog: the shown snapshot goes into one of the nine print slots
// (automatic placement) or to a position in whole millimetres from the sheet's corner
// (manual placement); the preview page shows the sheet at 1 : 3.05. Created once and
// reused, so every control keeps its state between showings.
class TFrmNahled : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmNahled(QWidget *parent = nullptr);

    // The main window's parts that the dialog prints with; set before it is shown.
    void setPrintContext(const PrintContext &context) { m_context = context; }

    // Handlers; they raise PlatformError, which the dialog's own guard shows.
    void FormShow();
    void RadioButtonAutoClick();
    void RadioButtonRuceClick();
    void SpinEditLChange();
    void SpinEditTChange();
    void ButtonTiskClick();
    void ButtonStornoClick();

    // A spin edit's value: its text as a whole number, 0 when it is no number.
    static int spinValue(const QSpinBox *spinEdit);

    QLabel *Label1 = nullptr;
    QFrame *Panel1 = nullptr; // the preview page
    PictureBox *Image10 = nullptr;
    PictureBox *Image[PrintSlotCount] = {}; // Image1 .. Image9, the preview slots
    PictureBox *ImagePohyb = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QRadioButton *RadioButton[PrintSlotCount] = {}; // RadioButton1 .. RadioButton9
    QFrame *Panel4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QSpinBox *SpinEditL = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label5 = nullptr;
    QSpinBox *SpinEditT = nullptr;
    QLabel *Label8 = nullptr;
    QPushButton *ButtonTisk = nullptr;
    QRadioButton *RadioButtonAuto = nullptr;
    QRadioButton *RadioButtonRuce = nullptr;
    QPushButton *ButtonStorno = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void run(const std::function<void()> &handler);
    QImage shownSnapshot() const;

    PrintContext m_context;
};
