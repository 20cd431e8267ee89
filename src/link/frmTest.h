#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTreeWidget;

// The tuning window of the Program menu's test command. It only shows its
// controls with texts fetched in the current language when it is built: it
// talks to no radio and changes no data; its value boxes are read-only. Title
// "Form1". The tree's "Exit" item (clicked or activated), Escape and the close
// box close it.
class frmTest final : public QDialog {
    Q_OBJECT

public:
    explicit frmTest(QWidget* parent = nullptr);

    QTreeWidget* TreeTest;
    std::array<QGroupBox*, 2> Frame1{};  // 0 frequency choice, 1 tuning value
    QGroupBox* Frame2;                   // hint
    std::array<QGroupBox*, 2> Frame4{};  // 0 receive, 1 transmit
    std::array<QRadioButton*, 3> Option2{};
    std::array<QLabel*, 8> Label1{};         // 0..3 receive, 4..7 transmit
    std::array<QRadioButton*, 8> Option1{};  // k, k+1 signalling kind; k+2, k+3 step
    std::array<QLineEdit*, 8> Text1{};
    std::array<QLabel*, 3> Label2{};  // slider minimum, maximum, current value
    QSlider* Slider1;
    std::array<QPushButton*, 2> Command1{};  // both hidden

private:
    QGroupBox* buildPanel(int panel);
    void applyTexts();
};
