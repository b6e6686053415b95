#pragma once
// A game window whose pauses return at once and whose sounds are only
// recorded, with a scripted random source so tests choose what is drawn.
#include <QTest>
#include <functional>
#include <vector>

#include "GameFixture.h"
#include "frmGame.h"
#include "mdlRegion.h"

struct WindowRig {
    std::vector<Sound> sounds;
    std::vector<int> pauses;
    std::function<void(int)> onPause = [](int) {};
    std::function<void(Sound)> onSound = [](Sound) {};
    ScriptedRandom *random = new ScriptedRandom(42);
    frmGame form{[this](int ms) { pauses.push_back(ms); onPause(ms); },
                 [this](Sound s) { sounds.push_back(s); onSound(s); },
                 std::unique_ptr<RandomSource>(random)};

    // Loads the window as start-up does, and forgets the first deal's noise.
    void load()
    {
        ShapeWindow(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        sounds.clear();
        pauses.clear();
    }

    void click(QWidget *control)
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    // Draws the picture of card k, then clicks the Master Card.
    void draw(int k)
    {
        random->willDraw(form.game().strFaceDown, k);
        click(form.picShow);
    }

    // The card that holds the picture now on the Master Card.
    int drawnCard() const
    {
        const auto &pics = form.game().intCardPic;
        return int(std::find(pics.begin(), pics.end(), form.picShow->pictureId()) - pics.begin()) + 1;
    }

    int sadFacesShown() const
    {
        int n = 0;
        for (auto *bad : form.imgBad)
            n += bad->isVisible();
        return n;
    }
};
