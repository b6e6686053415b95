#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {
const QString kGameCatalogues = QStringLiteral(":/i18n");
const QString kEnglish = QStringLiteral("lumidex_en");
} // namespace

Language::Language()
{
    auto install = [this](std::unique_ptr<QTranslator> catalogue) {
        if (QCoreApplication::installTranslator(catalogue.get()))
            catalogues.push_back(std::move(catalogue));
    };
    // English has a catalogue of its own, for its plural forms alone: the
    // one every other language falls back on.
    auto english = std::make_unique<QTranslator>();
    if (english->load(kEnglish, kGameCatalogues))
        install(std::move(english));
    auto game = std::make_unique<QTranslator>();
    if (game->load(QLocale(), QStringLiteral("lumidex"), QStringLiteral("_"), kGameCatalogues) &&
        !game->filePath().endsWith(kEnglish + QStringLiteral(".qm"))) {
        install(std::move(game));
        // Qt's own words only with the game's: a usage half in one language
        // and half in another would read worse than English throughout.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(std::move(qt));
    }
}
