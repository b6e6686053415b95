#pragma once
// What a screen reader finds in the game window and hears of the game: each
// control the player uses with a role and a name, named from what the control
// shows, so that a face-down card never gives its picture away; and each
// change a player sees, told in a sentence as it shows.
#include <QString>
#include <array>

#include "mdlPicfunc.h"

class frmGame;
class PictureBox;
class QWidget;

class GameAccessible {
public:
    // Gives the controls their roles and fixed names; once, with the layout.
    explicit GameAccessible(frmGame &form);

    // Names the controls after what they show now, and announces what
    // changed since the last call.
    void update();

private:
    // What a player sees of the game.
    struct Seen {
        std::array<int, mdlPicfunc::kCards + 1> cards{}; // by card 1 to 16; 0 unused
        int master = 0;
        int hiddenCards = 0; // a winning line blinking
        int misses = 0;
        QString result;      // the result panel's, while it shows
        QString help;        // the instructions, while they show
        bool operator==(const Seen &) const = default;
    };
    Seen look() const;
    QString news(const Seen &now);

    frmGame &form;
    PictureBox *notice; // unseen; shown again with each announcement, which a screen reader speaks
    Seen seen;
    bool rowTold = false; // this game's row of four was announced
};

// Makes control, as the keyboard's focus ring reaches it, the screen readers'
// focus in window, whether or not it can be clicked now; none with nullptr,
// as the ring goes.
void FocusForScreenReaders(QWidget *window, PictureBox *control);
