#include "GameRules.h"

#include <cmath>

#include "Timing.h"

using namespace mdlPicfunc;
using namespace Timing;

void GameRules::SetUp()
{
    // The deal that follows unlocks them one by one.
    s.picShow = Control{kMasterBack, true, false};
    for (auto &card : s.picMat)
        card = Control{kFixedBack, true, false};
    s.txtHelpVisible = false;
}

void GameRules::cmdPlay_Click()
{
    random.Randomize();
    s.bytMisses = 0;
    s.Timer1Enabled = false; // a pending hide of the last result must not fire
    s.picShow.enabled = true;
    s.picMsg.visible = false;
    for (auto &seen : s.intSeen)
        seen = kNeverShown;
    for (auto &card : s.picMat)
        card.picture = kNoPicture;
    s.strFaceDown = "abcdefghijklmnop";
    s.picShow.picture = kMasterBack;

    // Lay the cards face down one by one, with a tick each.
    for (int i = 1; i <= kCards; ++i) {
        s.picMat[i].enabled = true;
        s.picMat[i].picture = kFixedBack;
        s.intBoard[CardColumn(i)][CardRow(i)] = kFaceDown;
        s.picMat[i].visible = true;
        outside.PlayWave(Sound::sndClick);
        outside.Pause(kDealStep);
    }

    for (int k = 1; k <= kPictures; ++k)
        s.intDeck[k] = int16_t(k);
    ShuffleDeck(std::span(s.intDeck.data(), kPictures), random);
    for (int i = 1; i <= kCards; ++i)
        s.intCardPic[i] = PictureBitmap(s.intDeck[i]);
    s.blnAwaitMaster = true;
    for (auto &bad : s.imgBad)
        bad = false;
    s.lblMsg.clear();
}

void GameRules::picShow_Click()
{
    // Locked at the end of a game and under the help: a locked control
    // takes no click, from whoever it comes, and makes no sound.
    if (!s.picShow.enabled)
        return;
    if (!s.blnAwaitMaster) {
        outside.PlayWave(Sound::sndRefuse);
        return;
    }
    outside.PlayWave(Sound::sndFlip);
    const double length = double(s.strFaceDown.size());
    const int n = int(std::floor(random.Next() * length)) + 1;
    const int k = LetterCard(s.strFaceDown[n - 1]);
    s.intMasterPic = s.intCardPic[k];
    s.picShow.picture = s.intMasterPic;
    s.blnAwaitMaster = false;
}

void GameRules::picMat_Click(int k)
{
    // Locked from the end of a game until the next deal, and covered by the
    // help panel: no pick then, and no miss past the one that lost.
    if (k < 1 || k > kCards || !s.picMat[k].enabled || s.txtHelpVisible)
        return;
    random.Randomize();
    const int c = CardColumn(k), r = CardRow(k);
    if (s.intBoard[c][r] != kFaceDown || s.blnAwaitMaster) {
        outside.PlayWave(Sound::sndRefuse);
        return;
    }

    if (s.intMasterPic == s.intCardPic[k]) {
        s.picMat[k].picture = s.intCardPic[k];
        outside.PlayWave(Sound::sndMatch);
        outside.Pause(kPickShown);
        s.strFaceDown.erase(s.strFaceDown.find(CardLetter(k)), 1);
        s.intBoard[c][r] = kFaceUp;
        CheckWin(c, r);
    } else {
        const int16_t q = s.intCardPic[k], m = s.intMasterPic;
        if (s.intSeen[q] == kNeverShown)
            s.intSeen[q] = kShownOnce;
        if (s.intSeen[m] == kShownOnce)
            s.intSeen[m] = kCostAMiss;
        // The Master Card's picture was shown on its own card before: the
        // player should have remembered where it lies.
        if (s.intSeen[m] == kCostAMiss) {
            ++s.bytMisses;
            s.imgBad[s.bytMisses - 1] = true;
            if (s.bytMisses == kMissesToLose)
                EndOfGame(kLosePanel, "");
        }
        s.picMat[k].picture = q;
        outside.PlayWave(Sound::sndFlip);
        outside.Pause(kPickShown);
        s.picMat[k].picture = kFixedBack;
    }

    s.picShow.picture = kMasterBack;
    s.blnAwaitMaster = true;
}

void GameRules::CheckWin(int x, int y)
{
    int count = 0;
    for (int i = 0; i < kBoardSide; ++i)
        count += s.intBoard[i][y] == kFaceUp;
    if (count == kBoardSide) {
        BlinkLine(CardAt(0, y), 1);
        return;
    }
    count = 0;
    for (int i = 0; i < kBoardSide; ++i)
        count += s.intBoard[x][i] == kFaceUp;
    if (count == kBoardSide)
        BlinkLine(CardAt(x, 0), kBoardSide);
}

void GameRules::BlinkLine(int first, int step)
{
    outside.PlayWave(Sound::sndWin);
    // Each step's turn of the line shows at the end of its pause: the line
    // stays as it was for the first 500 ms, and the eighth step shows
    // together with the win panel.
    for (int blink = 0; blink < kBlinkSteps; ++blink) {
        outside.Pause(kBlinkStep);
        for (int i = 0; i < kBoardSide; ++i) {
            auto &card = s.picMat[first + i * step];
            card.visible = !card.visible;
        }
    }
    EndOfGame(kWinPanel, std::to_string(s.bytMisses));
}

void GameRules::EndOfGame(int16_t panel, const std::string &caption)
{
    s.picShow.enabled = false;
    for (auto &card : s.picMat)
        card.enabled = false;
    s.picMsg.visible = true;
    s.picMsg.picture = panel;
    s.lblMsg = caption;
    s.Timer1Enabled = true;
}

void GameRules::Timer1_Timer()
{
    s.picMsg.visible = false;
    s.Timer1Enabled = false;
}

void GameRules::ShowHelp()
{
    // The Fixed Cards keep their state under the panel; no new picture may
    // be drawn while it is up.
    s.txtHelpVisible = true;
    s.picShow.enabled = false;
}

void GameRules::HideHelp()
{
    s.txtHelpVisible = false;
    s.picShow.enabled = true;
}
