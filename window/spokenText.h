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

    // Fixed Card k (1 to 16) showing picture; its face-down picture never.
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
    static QString rowOfFour();
};
