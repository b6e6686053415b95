#include <algorithm>
#include <set>

#include "GameFixture.h"

using namespace mdlPicfunc;

std::string brokenInvariant(const GameState &s)
{
    std::set<int16_t> onBoard;
    int faceUp = 0;
    for (int k = 1; k <= kCards; ++k) {
        const int16_t up = s.intBoard[CardColumn(k)][CardRow(k)];
        if (up != 0 && up != -1)
            return "intBoard holds " + std::to_string(up);
        faceUp += up == -1;
        const bool letterThere = s.strFaceDown.find(CardLetter(k)) != std::string::npos;
        if (letterThere != (up == 0))
            return std::string("letter ") + CardLetter(k) + " disagrees with the board";
        if (s.intCardPic[k] < kFirstFace || s.intCardPic[k] > kLastFace)
            return "picture out of range";
        onBoard.insert(s.intCardPic[k]);
        const int16_t shown = s.picMat[k].picture;
        if (shown != (up ? s.intCardPic[k] : kFixedBack))
            return "card " + std::to_string(k) + " shows " + std::to_string(shown);
        if (!s.picMat[k].visible)
            return "card " + std::to_string(k) + " hidden";
    }
    if (onBoard.size() != kCards)
        return "a picture lies on two cards";
    for (size_t i = 1; i < s.strFaceDown.size(); ++i)
        if (s.strFaceDown[i - 1] >= s.strFaceDown[i])
            return "strFaceDown out of order";
    for (int id = kFirstFace; id <= kLastFace; ++id) {
        if (s.intSeen[id] < 0 || s.intSeen[id] > 2)
            return "intSeen out of range";
        if (s.intSeen[id] && !onBoard.count(int16_t(id)))
            return "a picture off the board was seen";
    }
    if (s.bytMisses > 8)
        return "more than 8 misses";
    int markers = 0;
    for (bool bad : s.imgBad)
        markers += bad;
    if (markers != s.bytMisses)
        return "miss markers disagree with bytMisses";
    if (!s.blnAwaitMaster) {
        const auto at = std::find(s.intCardPic.begin(), s.intCardPic.end(), s.intMasterPic);
        if (at == s.intCardPic.end())
            return "drawn picture not on the board";
        const int k = int(at - s.intCardPic.begin()) + 1;
        if (s.intBoard[CardColumn(k)][CardRow(k)] != 0)
            return "drawn picture already matched";
        if (s.picShow.picture != s.intMasterPic)
            return "Master Card does not show the drawn picture";
    } else if (s.picShow.picture != kMasterBack) {
        return "Master Card not face down while awaited";
    }
    // The cards lock together at the end of a game; the Master Card with
    // them, and also while the help panel is up.
    const bool playing = s.picMat[1].enabled;
    for (int k = 1; k <= kCards; ++k)
        if (s.picMat[k].enabled != playing)
            return "cards locked differently";
    if (s.picShow.enabled != (playing && !s.txtHelpVisible))
        return s.txtHelpVisible ? "Master Card open under the help panel" : "cards and Master Card locked differently";
    if (s.picMsg.visible && playing)
        return "result panel shown during play";
    if (s.bytMisses == 8 && playing)
        return "lost game not locked";
    if (s.picMsg.visible != s.Timer1Enabled)
        return "result panel shown without its timer";
    return {};
}
