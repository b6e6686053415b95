#pragma once
// The player's language: the game's texts and Qt's own (the usage's
// headings, a message box's buttons) in the desktop's language, chosen as
// the desktop chooses it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English
// where the game has no catalogue for it.
#include <QTranslator>
#include <memory>
#include <vector>

class Language {
public:
    // Installs the catalogues into the application object that exists now;
    // they stay installed as long as this lives.
    Language();

private:
    std::vector<std::unique_ptr<QTranslator>> catalogues;
};
