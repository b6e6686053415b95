#pragma once
// The game window: its controls where the layout puts them, their event
// handlers, and the drawing of the game state. The rules decide; this draws.
#include <QPlainTextEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "GameOutside.h"
#include "GameRules.h"
#include "Indexed.h"
#include "PictureBox.h"

class GameAccessible;

class frmGame : public QWidget, private GameOutside {
    Q_OBJECT
public:
    using PauseHow = std::function<void(int ms)>;
    using PlayHow = std::function<void(Sound)>;

    // By default the window really waits and really plays; tests hand in
    // their own pause, sound and random source.
    explicit frmGame(PauseHow pause = {}, PlayHow play = {}, std::unique_ptr<RandomSource> random = {});
    ~frmGame() override;

    // The native window. The first call loads the window: it sets up the
    // controls and deals the first game, unseen.
    WId hWnd();

    const mdlPicfunc::GameState &game() const { return state; }

    // Tests and screen readers find a control by its name (findChild): the
    // name below, and for a control of an array the name and its index
    // (picMat7, imgAction0), as controlName gives it.
    static QString controlName(const char *array, int index) { return QLatin1String(array) + QString::number(index); }

    static const QString webAddress;

private:
    // The controls.
    PictureBox *Picture1;  // the window face, which holds everything else; dragging it moves the window
    PictureBox *picMsg;    // the result panel: won or lost, shown for a while at the end of a game
    QLabel *lblMsg;        // the miss count written on the win panel
    PictureBox *picShow;   // the Master Card
    PictureBox *Picture3;  // the board, which holds the help panel and the Fixed Cards
    QPlainTextEdit *txtHelp = nullptr;                    // the help panel, over the Fixed Cards; built when first shown
    Indexed<PictureBox *, 1, mdlPicfunc::kCards> picMat;  // the Fixed Cards, 1 to 16
    QTimer *Timer1;        // the result timer: hides the result panel
    QPushButton *cmdPlay;  // the deal's button, out of sight below the face: never pressed
    PictureBox *imgLink;   // click area over the web logo: opens the web page
    PictureBox *imgExit;   // click area over the x: ends the program
    PictureBox *imgMini;   // click area over the minus: minimises the window
    Indexed<PictureBox *, 0, 1> imgAction;                          // the mode buttons: 0 play, 1 help
    Indexed<PictureBox *, 0, mdlPicfunc::kMissesToLose - 1> imgBad; // the sad faces, 0 lowest

    void Form_Load();
    void cmdPlay_Click();
    void picShow_Click();
    void picMat_Click(int index);
    void Timer1_Timer();
    void imgAction_MouseDown(int index);
    void imgAction_MouseUp(int index);
    void imgExit_Click();
    void imgMini_Click();
    void imgLink_Click();
    void FillHelpText();

    // Runs a rule and then shows what it left; a result-timer tick or a
    // close that comes due while a rule pauses waits until the rule is done.
    void runRule(const std::function<void()> &rule);
    void closeEvent(QCloseEvent *event) override;
    void showState();
    void showResultWords();

    void PlayWave(Sound sound) override;
    void Pause(int ms) override;

    void buildLayout();
    void buildHelpPanel();

    std::unique_ptr<GameAccessible> accessible; // what screen readers find and hear
    mdlPicfunc::GameState state;
    std::unique_ptr<RandomSource> random;
    GameRules rules;
    PauseHow pauseHow;
    PlayHow playHow;
    bool loaded = false;   // Form_Load has run
    int ruleDepth = 0;     // rules running now; the result timer and a close wait for them
    bool tickDue = false;  // the result timer came due during a rule
    bool closeDue = false; // the window was to close during a rule
};
