#pragma once
// The language of the program's texts: Japanese, the texts as written, unless English was chosen
// on the command line (`--lang en`, which wins) or in the About box (stored in the settings). The
// desktop's locale never changes it. The choice holds for the whole run; a change in the About box
// applies at the next start.

#include "settings/setting_key.h"
#include "text/ui_text.h"

#include <QStringList>

#include <optional>

class QCoreApplication;

namespace rusrina {

class SettingsFile;

inline constexpr const char* kLanguageArgument = "--lang";
// The language chosen in the About box: 0 Japanese, 1 English; written only for English.
inline constexpr SettingKey kLanguageKey{"TopWindow", "Language", 0, 0, 1, Stored::UnlessDefault};

// The language `--lang en|ja` (or `--lang=en`) names among the arguments; nothing when it is absent
// or names another language.
std::optional<text::TextLanguage> languageFromArguments(const QStringList& arguments);

// The language the settings hold; Japanese for a file of another version, which start-up drops.
text::TextLanguage storedLanguage(const SettingsFile& settings);
void storeLanguage(SettingsFile& settings, text::TextLanguage language);

// Makes `language` the language of the run: in English the program's catalogues answer every text
// of the windows and of the core, and Qt's own dialogs keep their English source texts; in Japanese
// Qt's own texts come from its Japanese catalogue where the system has it. Call once, before any
// window opens or thread starts.
void applyLanguage(QCoreApplication& app, text::TextLanguage language);

} // namespace rusrina
