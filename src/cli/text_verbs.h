#pragma once
// The command-line verbs for scripts, which need no display:
//   rusrina --export-text FILE.vbd [--lang ja]
//                                          the box as team text on standard output, in English or
//                                          with Japanese names
//   rusrina --import-text TEXT FILE.vbd    the sets of TEXT ("-": standard input) appended to the box
// Before the verb, "--lang en|ja" may choose the language of the messages, as it chooses the
// windows' ("rusrina --lang en --import-text …"); the export's own "--lang" chooses its messages'
// language too. Without one, the messages take the language chosen in the About box. The caller sets the language
// (text::setTextLanguage) before running the verb. The import writes the box file as the window's save does
// (atomically, after a backup of a file that held anything the save would drop), tells each warning and failure on
// standard error and exits with 1 when a set failed, did not fit or the file could not be written.

#include <iosfwd>
#include <optional>

namespace rusrina {

inline constexpr const char* kExportTextOption = "--export-text";
inline constexpr const char* kImportTextOption = "--import-text";
inline constexpr const char* kLanguageOption = "--lang";

// Whether the arguments name a text verb (after a leading "--lang en|ja" or "--lang=en").
bool isTextCommand(int argc, const char* const* argv);

// The exit code of a text verb, or nullopt when the arguments name none (the program then starts
// its windows).
std::optional<int> runTextCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                                  std::ostream& err);

} // namespace rusrina
