#include "cli/text_verbs.h"

#include "format/box_file.h"
#include "format/set_text.h"
#include "format/set_text_import.h"
#include "format/team_text_limit.h"
#include "text/terminal_text.h"
#include "text/ui_text.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

std::string usageText() {
    return text::uiText("CommandLine", "使い方: rusrina --export-text FILE.vbd [--lang en|ja]\n"
                                       "        rusrina --import-text TEXT FILE.vbd   (TEXT が - なら標準入力)\n");
}

std::string unreadableText() {
    return text::uiText("CommandLine", "ファイルを読めません");
}

// The team text to import: the whole of it, or why it was not read.
struct TextInput {
    std::string text;
    std::string problem; // empty when read
};

// Reads the whole text, up to kMaxTeamTextBytes; larger text is refused whole, never cut. A file's
// size is known before it is read; standard input is read one byte past the limit, no further.
TextInput readText(const std::string& name, std::istream& in) {
    std::ifstream file;
    if (name != "-") {
        std::error_code ec;
        if (!fs::is_regular_file(name, ec))
            return {{}, unreadableText()};
        const auto size = fs::file_size(name, ec);
        if (ec)
            return {{}, unreadableText()};
        if (size > kMaxTeamTextBytes)
            return {{}, teamTextTooLargeText(size)};
        file.open(name, std::ios::binary);
        if (!file)
            return {{}, unreadableText()};
    }
    std::istream& source = name == "-" ? in : file;
    std::string text(kMaxTeamTextBytes + 1, '\0');
    source.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(source.gcount()));
    if (source.bad())
        return {{}, unreadableText()};
    if (text.size() > kMaxTeamTextBytes) // standard input, or a file that grew as it was read
        return {{}, teamTextTooLargeText(name == "-" ? 0 : text.size())};
    return {std::move(text), {}};
}

// Loads the box; false (after saying why) when an existing file cannot be read, or when it is
// missing and `missingIsEmpty` is false.
bool loadBox(BoxFile& file, Box& box, bool missingIsEmpty, std::ostream& err) {
    const LoadResult loaded = file.load(box);
    if (loaded.status == LoadResult::Status::Missing && !missingIsEmpty) {
        err << file.path().string() << ": " << text::uiText("CommandLine", "ファイルがありません") << "\n";
        return false;
    }
    if (loaded.status == LoadResult::Status::Unreadable) {
        err << loaded.message << "\n";
        return false;
    }
    if (loaded.invalidRecords > 0 || !loaded.extensionProblem.empty())
        err << file.path().string() << ": " << loadSummaryText(loaded, file.backupPath()) << "\n";
    return true;
}

int exportText(const fs::path& boxPath, SetTextLanguage language, std::ostream& out, std::ostream& err) {
    BoxFile file(boxPath);
    auto box = std::make_unique<Box>();
    if (!loadBox(file, *box, false, err))
        return kExitFailed;
    const auto count = static_cast<std::size_t>(box->count());
    out << writeSetTexts(std::span(box->slots().data(), count), std::span(box->extras().data(), count), language);
    return kExitOk;
}

// "--lang en" or "--lang ja" after the file; nothing when the arguments are anything else.
std::optional<SetTextLanguage> exportLanguage(int argc, const char* const* argv) {
    if (argc == 3)
        return SetTextLanguage::English;
    if (argc != 5 || std::string_view(argv[3]) != kLanguageOption)
        return std::nullopt;
    const std::string_view language = argv[4];
    if (language == "en")
        return SetTextLanguage::English;
    if (language == "ja")
        return SetTextLanguage::Japanese;
    return std::nullopt;
}

// The notes quote the text, which may hold anything: what reaches the terminal is escaped.
void reportNotes(const std::string& textName, const std::vector<ParsedSet>& sets, std::ostream& err) {
    const std::string name = text::escapeForTerminal(textName);
    const std::string noted = text::uiText("CommandLine", "注記");
    const std::string warned = text::uiText("CommandLine", "警告");
    const std::string failed = text::uiText("CommandLine", "エラー");
    for (const ParsedSet& set : sets) {
        for (const SetTextNote& note : set.notes)
            err << name << ":" << note.line << ": " << noted << ": " << text::escapeForTerminal(note.text) << "\n";
        for (const SetTextNote& note : set.warnings)
            err << name << ":" << note.line << ": " << warned << ": " << text::escapeForTerminal(note.text) << "\n";
        if (set.failure)
            err << name << ":" << set.failure->line << ": " << failed << ": "
                << text::escapeForTerminal(set.failure->text) << "\n";
    }
}

int importText(const std::string& textName, const fs::path& boxPath, std::istream& in, std::ostream& out,
               std::ostream& err) {
    const TextInput input = readText(textName, in);
    if (!input.problem.empty()) {
        err << text::escapeForTerminal(textName) << ": " << input.problem << "\n";
        return kExitFailed;
    }
    BoxFile file(boxPath);
    auto box = std::make_unique<Box>();
    if (!loadBox(file, *box, true, err))
        return kExitFailed;
    const std::vector<ParsedSet> sets = readSetText(input.text);
    reportNotes(textName, sets, err);
    const SetAppendResult result = appendSets(*box, sets);
    if (result.added > 0) {
        const SaveResult saved = file.save(*box);
        if (!saved.ok) {
            err << saved.message << "\n";
            return kExitFailed;
        }
    }
    out << setAppendSummaryText(result) << "\n";
    return result.failed > 0 || result.noRoom > 0 ? kExitFailed : kExitOk;
}

// The arguments past a leading "--lang en|ja" (or "--lang=en"): the language is the caller's, and
// the verb's arguments follow it.
int languageArguments(int argc, const char* const* argv) {
    if (argc < 2)
        return 0;
    const std::string_view first = argv[1];
    if (first == kLanguageOption)
        return argc >= 3 ? 2 : 0;
    return first.starts_with(std::string(kLanguageOption) + "=") ? 1 : 0;
}

} // namespace

bool isTextCommand(int argc, const char* const* argv) {
    const int skipped = languageArguments(argc, argv);
    if (argc - skipped < 2)
        return false;
    const std::string_view verb = argv[skipped + 1];
    return verb == kExportTextOption || verb == kImportTextOption;
}

std::optional<int> runTextCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                                  std::ostream& err) {
    const int skipped = languageArguments(argc, argv);
    argc -= skipped;
    argv += skipped;
    if (argc < 2)
        return std::nullopt;
    const std::string_view verb = argv[1];
    if (verb == kExportTextOption && exportLanguage(argc, argv))
        return exportText(argv[2], *exportLanguage(argc, argv), out, err);
    if (verb == kImportTextOption && argc == 4)
        return importText(argv[2], argv[3], in, out, err);
    if (verb == kExportTextOption || verb == kImportTextOption) {
        err << usageText();
        return kExitUsage;
    }
    return std::nullopt;
}

} // namespace rusrina
