#pragma once
// What a screen reader finds in the game window and hears of the game: each
// control the player uses with a role and a name, named from what the control
// shows, so that a face-down card never gives its picture away; and each
// change a player sees, told in a sentence as it shows.
#include <QList>
#include <QString>
#include <vector>

#include "mdlPicfunc.h"

class PictureBox;
class QWidget;

class GameAccessible {
public:
    // Gives the controls of the game window, found by their names, their
    // roles and fixed names; once, with the layout. game is what it shows.
    GameAccessible(QWidget &window, const mdlPicfunc::GameState &game);

    // Names the controls after what the game shows now, and announces what
    // changed since the last call.
    void update();
    // The help was asked for: its text goes with the next announcement, also
    // when it shows already.
    void helpAsked() { helpDue = true; }
    // A click the rules refused: what is due goes with the next announcement.
    void refused() { refusalDue = true; }

    // Says words now; the state of the game; the last announcement again.
    void say(const QString &words);
    void sayState();
    void sayAgain() { say(lastTold); }

private:
    void renewShown();
    PictureBox *control(const QString &name) const;

    QWidget &window;
    const mdlPicfunc::GameState &game;
    QList<PictureBox *> shown; // the controls showing at the last update
    std::vector<PictureBox *> cards; // 1 to 16, at 0 to 15
    std::vector<PictureBox *> misses;
    PictureBox *face; // the window face, which holds every control
    PictureBox *masterCard;
    PictureBox *resultPanel;
    PictureBox *notice; // unseen; shown again with each announcement, which a screen reader speaks
    mdlPicfunc::GameState before; // the game as last told
    bool helpDue = false;
    bool refusalDue = false;
    QString lastTold;
};

// Makes control, as the keyboard's focus ring reaches it, the screen readers'
// focus in window, whether or not it can be clicked now; none with nullptr,
// as the ring goes.
void FocusForScreenReaders(QWidget *window, PictureBox *control);
