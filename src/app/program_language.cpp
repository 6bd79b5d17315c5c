#include "app/program_language.h"

#include "app/application.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QTranslator>

#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>

namespace rusrina {
namespace {

// The program's catalogues, one per layer of the sources, built into the executable.
constexpr const char* kCatalogues[] = {"windows_en", "views_en", "core_en"};

// The core's texts in English, each looked up in the catalogues once and kept for the run, so that
// the core can hold on to the text it is given. The matrix and the finders ask from their own
// threads, hence the lock.
class CoreTexts {
public:
    const char* translate(const char* context, const char* source) {
        std::string key = std::string(context) + '\x04' + source;
        {
            std::shared_lock read(m_mutex);
            if (const auto it = m_texts.find(key); it != m_texts.end())
                return it->second.c_str();
        }
        const std::string text = QCoreApplication::translate(context, source).toStdString();
        std::unique_lock write(m_mutex);
        return m_texts.try_emplace(std::move(key), text).first->second.c_str();
    }

private:
    std::shared_mutex m_mutex;
    std::unordered_map<std::string, std::string> m_texts; // node-based: a text never moves
};

CoreTexts& coreTexts() {
    static CoreTexts texts;
    return texts;
}

const char* englishText(const char* context, const char* source) {
    return coreTexts().translate(context, source);
}

void installCatalogues(QCoreApplication& app) {
    for (const char* name : kCatalogues) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace

std::optional<text::TextLanguage> languageFromArguments(const QStringList& arguments) {
    const QString option = QString::fromLatin1(kLanguageArgument);
    std::optional<text::TextLanguage> chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == option && i + 1 < arguments.size())
            value = arguments[++i];
        else if (arguments[i].startsWith(option + QLatin1Char('=')))
            value = arguments[i].mid(option.size() + 1);
        else
            continue;
        if (value == QLatin1String("en"))
            chosen = text::TextLanguage::English;
        else if (value == QLatin1String("ja"))
            chosen = text::TextLanguage::Japanese;
    }
    return chosen;
}

text::TextLanguage storedLanguage(const SettingsFile& settings) {
    if (settings.readSetting("Main", "Version", 0) != kSettingsVersion)
        return text::TextLanguage::Japanese;
    return settings.read(kLanguageKey) == 1 ? text::TextLanguage::English : text::TextLanguage::Japanese;
}

void storeLanguage(SettingsFile& settings, text::TextLanguage language) {
    settings.write(kLanguageKey, language == text::TextLanguage::English ? 1 : 0);
}

void applyLanguage(QCoreApplication& app, text::TextLanguage language) {
    if (language == text::TextLanguage::Japanese) {
        installQtJapanese(app);
        text::setTextLanguage(language, nullptr);
        return;
    }
    installCatalogues(app);
    text::setTextLanguage(language, englishText);
}

} // namespace rusrina
