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
    std::function<void(int)> onPause = [](int) {};
    std::function<void(Sound)> onSound = [](Sound) {};
    ScriptedRandom *random = new ScriptedRandom;
    frmGame form{[this](int ms) { onPause(ms); }, [this](Sound s) { sounds.push_back(s); onSound(s); },
                 std::unique_ptr<RandomSource>(random)};

    // Loads the window as start-up does, and forgets the first deal's noise.
    void load()
    {
        ShapeWindow(form);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        sounds.clear();
    }

    // The window's control of that name, or of that array and index.
    template <class T = PictureBox>
    T *control(const QString &name) const
    {
        T *found = form.findChild<T *>(name);
        return found ? found : (qFatal("The window has no control named %s", qPrintable(name)), nullptr);
    }
    PictureBox *control(const char *array, int index) const { return control(frmGame::controlName(array, index)); }
    PictureBox *card(int k) const { return control("picMat", k); }

    void click(QWidget *control, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(control, button); }

    // Draws the picture of card k, then clicks the Master Card.
    void draw(int k)
    {
        random->script = {ScriptedRandom::drawing(form.game().strFaceDown, k)};
        click(control("picShow"));
    }
};
