#include "frmGame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <vector>

#include "GameAccessible.h"
#include "Layout.h"
#include "Timing.h"
#include "ResultPanel.h"
#include "WindowMover.h"
#include "WindowPause.h"
#include "catalogue.h"
#include "helpText.h"
#include "mdlSound.h"

using namespace mdlPicfunc;
using namespace ResourceIds;

const QString frmGame::webAddress = QStringLiteral("https://lumidex.example.org");

frmGame::frmGame(PauseHow pause, PlayHow play, std::unique_ptr<RandomSource> source)
    : random(source ? std::move(source) : std::make_unique<ClockRandom>()),
      rules(state, *this, *random),
      pauseHow(pause ? std::move(pause) : PauseHow(WindowPause)),
      playHow(play ? std::move(play) : PlayHow(mdlSound::PlayWave))
{
    buildLayout();
}

frmGame::~frmGame() = default;

WId frmGame::hWnd()
{
    if (!loaded) {
        loaded = true;
        Form_Load();
    }
    return winId();
}

void frmGame::Form_Load()
{
    const QCursor hand = Catalogue::LoadResCursor(kHandCursor, devicePixelRatioF());
    std::vector<PictureBox *> clickable{picShow, imgExit, imgMini, imgAction[0], imgAction[1], imgLink};
    clickable.insert(clickable.end(), picMat.begin(), picMat.end());
    for (PictureBox *control : clickable)
        control->setCursor(hand);

    imgAction[0]->setPictureId(kModeReleased + 0);
    imgAction[1]->setPictureId(kModeReleased + 1);
    rules.SetUp();
    showState();

    cmdPlay_Click();

    Picture1->place(picMsg, Layout::kShownPanel.x(), Layout::kShownPanel.y());
}

// ---- the rules' handlers -------------------------------------------------

void frmGame::cmdPlay_Click() { runRule([this] { rules.cmdPlay_Click(); }); }
void frmGame::picShow_Click() { runRule([this] { rules.picShow_Click(); }); }
void frmGame::picMat_Click(int index) { runRule([this, index] { rules.picMat_Click(index); }); }
void frmGame::Timer1_Timer()
{
    if (ruleDepth) {
        tickDue = true;
        return;
    }
    rules.Timer1_Timer();
    showState();
}

void frmGame::runRule(const std::function<void()> &rule)
{
    if (!ruleDepth)
        WindowPauseBeginRule();
    ++ruleDepth;
    rule();
    --ruleDepth;
    showState();
    if (!ruleDepth && tickDue) {
        tickDue = false;
        if (state.Timer1Enabled)
            Timer1_Timer();
    }
    if (!ruleDepth && closeDue) {
        closeDue = false;
        close();
    }
}

void frmGame::closeEvent(QCloseEvent *event)
{
    // A rule runs to its end before the window goes. A quit closes every
    // window first and gives up when one refuses; closing this one, the
    // last, then ends the program.
    if (ruleDepth) {
        closeDue = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// ---- mode buttons and help ----------------------------------------------

void frmGame::imgAction_MouseDown(int index)
{
    imgAction[index]->setPictureId(kModePressed + index);
    imgAction[index]->repaint();
}

void frmGame::imgAction_MouseUp(int index)
{
    runRule([this, index] {
        PlayWave(Sound::sndClick);
        Pause(Timing::kModeButtonHeld);
        imgAction[index]->setPictureId(kModeReleased + index);
        imgAction[index]->repaint();
        if (index == 0) {
            rules.HideHelp();
            rules.cmdPlay_Click();
        } else {
            rules.ShowHelp();
            showState();
            FillHelpText();
        }
    });
}

void frmGame::FillHelpText()
{
    if (auto text = LoadHelpText(this)) {
        txtHelp->setPlainText(*text);
        accessible->helpAsked();
    }
}

// ---- window handling ----------------------------------------------------

void frmGame::imgExit_Click()
{
    // Clicks and keys that a pause held back until after this one do nothing
    // while the program ends.
    setEnabled(false);
    QCoreApplication::exit(0);
}
void frmGame::imgMini_Click() { showMinimized(); }
void frmGame::imgLink_Click() { QDesktopServices::openUrl(QUrl(webAddress)); }

// ---- what the rules need from the window --------------------------------

void frmGame::PlayWave(Sound sound)
{
    if (sound == Sound::sndRefuse)
        accessible->refused(); // a listener hears why
    showState(); // a card sounds once it shows
    playHow(sound);
}

void frmGame::Pause(int ms)
{
    showState();
    pauseHow(ms);
}

void frmGame::showState()
{
    auto draw = [](PictureBox *box, const Control &c) {
        box->setPictureId(c.picture);
        box->setVisible(c.visible);
        box->setEnabled(c.enabled);
    };
    for (int i = 1; i <= kCards; ++i)
        draw(picMat[i], state.picMat[i]);
    draw(picShow, state.picShow);
    draw(picMsg, state.picMsg);
    for (int n = 0; n < kMissesToLose; ++n)
        imgBad[n]->setVisible(state.imgBad[n]);
    if (state.txtHelpVisible && !txtHelp)
        buildHelpPanel();
    if (txtHelp)
        txtHelp->setVisible(state.txtHelpVisible);
    showResultWords();
    if (state.Timer1Enabled != Timer1->isActive())
        state.Timer1Enabled ? Timer1->start() : Timer1->stop();
    accessible->update();
    if (isVisible())
        repaint();
}

void frmGame::showResultWords()
{
    lblMsg->setText(QString::fromStdString(state.lblMsg));
    lblMsg->adjustSize();
    if (state.picMsg.visible)
        ResultPanel::show(*picMsg, *lblMsg);
}
