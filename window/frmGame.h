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

class frmGame : public QWidget, private GameOutside {
    Q_OBJECT
public:
    using PauseHow = std::function<void(int ms)>;
    using PlayHow = std::function<void(Sound)>;

    // By default the window really waits and really plays; tests hand in
    // their own pause, sound and random source.
    explicit frmGame(PauseHow pause = {}, PlayHow play = {}, std::unique_ptr<RandomSource> random = {});
    ~frmGame() override;

    // The native window; asking for it first loads and sets up the window.
    WId hWnd();

    const mdlPicfunc::GameState &game() const { return state; }

    // The controls, named as the layout names them.
    PictureBox *Picture1, *picMsg, *picShow, *Picture3;
    QLabel *lblMsg;
    QPlainTextEdit *txtHelp;
    Indexed<PictureBox *, 1, mdlPicfunc::kCards> picMat;
    QTimer *Timer1;
    QPushButton *cmdPlay;
    PictureBox *imgLink, *imgExit, *imgMini;
    Indexed<PictureBox *, 0, 1> imgAction;
    Indexed<PictureBox *, 0, mdlPicfunc::kMissesToLose - 1> imgBad;

    static const QString webAddress;

private:
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

    // Runs a rule and then shows what it left; a result-timer tick that
    // comes due while a rule pauses waits until the rule is done.
    void runRule(const std::function<void()> &rule);
    void showState();

    void PlayWave(Sound sound) override;
    void Pause(int ms) override;

    void buildLayout();

    mdlPicfunc::GameState state;
    std::unique_ptr<RandomSource> random;
    GameRules rules;
    PauseHow pauseHow;
    PlayHow playHow;
    bool loaded = false;
    int ruleDepth = 0;
    bool tickDue = false;
};
