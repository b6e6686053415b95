#pragma once
// The notice shown instead of the game when the desktop is set to large
// fonts. Closing it, by its OK button or the window's close box, ends its
// exec(); the caller then ends the program.
#include <QDialog>

class QLabel;
class QPushButton;

class frmIcon : public QDialog {
    Q_OBJECT
public:
    explicit frmIcon(QWidget *parent = nullptr);

    // The controls, named as the layout names them.
    QLabel *Label1, *Label2, *Label3, *Label4; // the notice's four lines, top to bottom
    QPushButton *Command1;                      // the OK button

private:
    void fitLines();
    void Command1_Click();
};
