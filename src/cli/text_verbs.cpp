#include "cli/text_verbs.h"

#include "format/box_file.h"
#include "format/set_text.h"
#include "format/set_text_import.h"

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
// A team text is a few kilobytes; anything far larger is not one and is not read whole.
constexpr std::streamsize kMaxTextBytes = 16 << 20;

constexpr const char* kUsage = "使い方: rusrina --export-text FILE.vbd [--lang en|ja]\n"
                               "        rusrina --import-text TEXT FILE.vbd   (TEXT が - なら標準入力)\n";

std::optional<std::string> readText(const std::string& name, std::istream& in) {
    std::ifstream file;
    if (name != "-") {
        std::error_code ec;
        if (!fs::is_regular_file(name, ec))
            return std::nullopt;
        file.open(name, std::ios::binary);
        if (!file)
            return std::nullopt;
    }
    std::istream& source = name == "-" ? in : file;
    std::string text(static_cast<std::size_t>(kMaxTextBytes), '\0');
    source.read(text.data(), kMaxTextBytes);
    text.resize(static_cast<std::size_t>(source.gcount()));
    return text;
}

// Loads the box; false (after saying why) when an existing file cannot be read, or when it is
// missing and `missingIsEmpty` is false.
bool loadBox(BoxFile& file, Box& box, bool missingIsEmpty, std::ostream& err) {
    const LoadResult loaded = file.load(box);
    if (loaded.status == LoadResult::Status::Missing && !missingIsEmpty) {
        err << file.path().string() << ": ファイルがありません\n";
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

void reportNotes(const std::string& textName, const std::vector<ParsedSet>& sets, std::ostream& err) {
    for (const ParsedSet& set : sets) {
        for (const SetTextNote& note : set.notes)
            err << textName << ":" << note.line << ": 注記: " << note.text << "\n";
        for (const SetTextNote& note : set.warnings)
            err << textName << ":" << note.line << ": 警告: " << note.text << "\n";
        if (set.failure)
            err << textName << ":" << set.failure->line << ": エラー: " << set.failure->text << "\n";
    }
}

int importText(const std::string& textName, const fs::path& boxPath, std::istream& in, std::ostream& out,
               std::ostream& err) {
    const std::optional<std::string> text = readText(textName, in);
    if (!text) {
        err << textName << ": ファイルを読めません\n";
        return kExitFailed;
    }
    BoxFile file(boxPath);
    auto box = std::make_unique<Box>();
    if (!loadBox(file, *box, true, err))
        return kExitFailed;
    const std::vector<ParsedSet> sets = readSetText(*text);
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

} // namespace

std::optional<int> runTextCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                                  std::ostream& err) {
    if (argc < 2)
        return std::nullopt;
    const std::string_view verb = argv[1];
    if (verb == kExportTextOption && exportLanguage(argc, argv))
        return exportText(argv[2], *exportLanguage(argc, argv), out, err);
    if (verb == kImportTextOption && argc == 4)
        return importText(argv[2], argv[3], in, out, err);
    if (verb == kExportTextOption || verb == kImportTextOption) {
        err << kUsage;
        return kExitUsage;
    }
    return std::nullopt;
}

} // namespace rusrina
