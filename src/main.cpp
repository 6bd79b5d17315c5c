#include "app/application.h"
#include "app/program_language.h"
#include "cli/text_verbs.h"

#include <QCoreApplication>
#include <QStringList>

#include <clocale>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
    // The text verbs run before any window exists, so that scripts need no display. Their messages
    // are in the language --lang names, else the one chosen in the About box; only for English is
    // there an application object, for the catalogues, and the C locale is kept so that numbers and
    // system messages read as they do without one.
    if (rusrina::isTextCommand(argc, argv)) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        std::optional<QCoreApplication> app;
        if (const rusrina::text::TextLanguage language = rusrina::commandLanguage(arguments);
            language != rusrina::text::TextLanguage::Japanese) {
            app.emplace(argc, argv);
            std::setlocale(LC_ALL, "C");
            rusrina::applyLanguage(*app, language);
        }
        return *rusrina::runTextCommand(argc, argv, std::cin, std::cout, std::cerr);
    }
    return rusrina::runApplication(argc, argv);
}
