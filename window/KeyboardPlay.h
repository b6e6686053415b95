#pragma once
// Plays the game from the keyboard: the arrow keys move a focus ring over the
// sixteen Fixed Cards and the Master Card below them, Space or Enter clicks
// the card under the ring, Ctrl+N, F1 and Ctrl+Q press the play button, the
// help button and the exit spot; S tells the game's state, R the last
// announcement again. A key does only what a click on the same control could
// do: nothing covered by the help or the result panel, nothing disabled; it
// then says why, as an arrow against an edge or Tab does. A held key acts once, as a held mouse button does: its repeats,
// which a pause would deliver in a burst, are ignored, but for the arrows',
// which run the ring to the edge. The ring appears at the first key and goes
// at the next mouse press, so a mouse player never sees it. Keys pressed
// during a pause wait with the clicks and come afterwards, in order.
#include <QObject>
#include <QPoint>
#include <utility>
#include <vector>

class GameAccessible;
class KeyRepeats;
class PictureBox;
class QWidget;

class KeyboardPlay : public QObject {
public:
    // The board's cards row by row, 4 to a row; the Master Card lies below
    // the first column.
    KeyboardPlay(QWidget *window, std::vector<PictureBox *> boardCards, PictureBox *masterCard,
                 PictureBox *playButton, PictureBox *helpButton, PictureBox *exitSpot, GameAccessible &listener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // True for the repeat of a held key that acts.
    bool repeatToIgnore(QEvent *event);
    bool keyPressed(int key);
    void moveRing(int key);
    void press(PictureBox *control);
    PictureBox *focused() const;
    void showRing(bool shown);

    QWidget *window;
    std::vector<PictureBox *> cards;
    PictureBox *master;
    QWidget *ring;
    QPoint at{0, 4}; // column, row; row 4 is the Master Card's
    KeyRepeats *repeats;
    GameAccessible &listener;
};
