#pragma once
// The result panel's words in the player's language. English shows the
// stored pictures, words and all, the win panel's count written in its gap
// by the window. A language with words of its own for the panels has them
// drawn by the game over the panel's ground, the count among them, in the
// colours and typefaces of the stored pictures.
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QStringList>

class PictureBox;
class QLabel;

class ResultPanel {
    Q_DECLARE_TR_FUNCTIONS(ResultPanel)
public:
    // Whether the game draws the panels' words.
    static bool wordsDrawn();

    // The words of the panel (kWinPanel or kLosePanel) after a game of
    // `misses`, laid out: the headline, the lines below it and their fonts.
    struct Words {
        QString headline;
        QFont headlineFont;
        QStringList lines;
        QFont bodyFont;
        bool fits; // every line within the panel, the lines above its pictures
    };
    static Words words(int panel, int misses);

    // The panel with its words, at a screen's device pixel ratio.
    static QImage picture(int panel, int misses, qreal ratio);

    // Has box, showing a panel, show it with its words drawn when they are,
    // count (the win panel's count of misses, written in its gap) then hidden.
    static void show(PictureBox &box, QLabel &count);
};
