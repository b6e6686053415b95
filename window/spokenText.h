#pragma once
// Everything a screen reader says of the game that the game itself words:
// the controls' names and what is announced as the game goes on.
#include <QCoreApplication>
#include <QString>

class Spoken {
    Q_DECLARE_TR_FUNCTIONS(Spoken)
public:
    // The names of the controls that keep theirs.
    static QString board() { return tr("Board"); }
    static QString play() { return tr("Play"); }
    static QString help() { return tr("Help"); }
    static QString exit() { return tr("Exit"); }
    static QString minimize() { return tr("Minimize"); }
    static QString webPage() { return tr("Web page"); }

    // Fixed Card k (1 to 16) with its place, rows 1 to 4 from the top and
    // columns 1 to 4 from the left, showing picture; its face-down picture never.
    static QString card(int k, int picture);
    static QString masterCard(int picture);
    static QString misses(int misses, int toLose);
    static QString won(int misses);
    static QString lost();

    // What happened, when it happens, in sentences.
    static QString sentence(const QString &words) { return tr("%1.").arg(words); }
    static QString dealt();
    static QString match(int k, int picture);
    static QString turnedBack(int k, int picture);
    // The line of four that won: row or column 1 to 4.
    static QString rowOfFour(bool row, int line);

    // The state on demand, a sentence each: what is due, the misses, the matched cards.
    static QString drawDue() { return tr("Draw the Master Card."); }
    static QString pickDue(int picture);
    static QString gameOver(const QString &result) { return tr("Game over: %1.").arg(result); }
    static QString underHelp() { return tr("The help covers the board; Ctrl+N deals a new game."); }
    static QString matched(const QStringList &places);
    static QString place(int row, int column) { return tr("row %1 column %2").arg(row).arg(column); }

    // What the keys say when they can do nothing, and the keys themselves.
    static QString edge() { return tr("Edge."); }
    static QString covered() { return tr("Covered by the help."); }
    static QString notNow() { return tr("Not available now."); }
    static QString keys()
    {
        return tr("Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, "
                  "Ctrl+Q quits.");
    }
};
