#include "format/recovery_file.h"

#include "text/ui_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kInfoHeader = "rusrina recovery 1";
// An info file is a few lines and a path; anything longer is not one.
constexpr std::size_t kInfoMaxBytes = 16 * 1024;
constexpr int kMaxRecoveryNumber = 9999;

std::string escapedPath(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (c < 0x20 || c >= 0x7f || c == '%') {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<std::string> unescapedPath(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 3 > text.size())
            return std::nullopt;
        const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
        if (error != std::errc() || end != text.data() + i + 3)
            return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

template <typename T> bool parseNumber(std::string_view text, T& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// Reads a small file whole; empty when it is missing, not a regular file or too large.
std::optional<std::string> readSmallFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::string> text;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kInfoMaxBytes) {
        std::string bytes(kInfoMaxBytes + 1, '\0');
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        if (done <= kInfoMaxBytes) {
            bytes.resize(done);
            text = std::move(bytes);
        }
    }
    ::close(fd);
    return text;
}

std::int64_t modifiedNs(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string localTimeText(std::int64_t ns) {
    const std::time_t seconds = static_cast<std::time_t>(ns / 1000000000);
    std::tm tm{};
    char text[32] = "";
    if (::localtime_r(&seconds, &tm) && std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &tm) > 0)
        return text;
    return "?";
}

// The number of a recovery named `name` beside a box file named `box`: 1 for "<box>.recovery",
// n for "<box>.recovery-n" (n ≥ 2); 0 for any other name.
int recoveryNumber(std::string_view name, std::string_view box) {
    const std::string base = std::string(box) + kRecoverySuffix;
    if (name.substr(0, std::min(name.size(), base.size())) != base)
        return 0;
    const std::string_view rest = name.substr(base.size());
    if (rest.empty())
        return 1;
    int number = 0;
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-' || rest[1] == '0' || !parseNumber(rest.substr(1), number))
        return 0;
    return number >= 2 ? number : 0;
}

fs::path numberedRecoveryPath(const fs::path& boxFile, int number) {
    fs::path path = recoveryPathFor(boxFile);
    if (number > 1)
        path += "-" + std::to_string(number);
    return path;
}

// The directory entry a path names: its directory resolved, its own name kept.
fs::path entryOf(const fs::path& path) {
    std::error_code ec;
    const fs::path dir = fs::weakly_canonical(fs::absolute(path, ec).parent_path(), ec);
    return dir / path.filename();
}

bool taken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

} // namespace

std::string recoveryInfoText(const RecoveryOrigin& origin) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(origin.identity.hash));
    return std::string(kInfoHeader) + "\nwritten=" + std::to_string(origin.writtenNs) +
           "\nfile=" + escapedPath(origin.boxFile.string()) + "\nexists=" + (origin.identity.regularFile ? "1" : "0") +
           "\nsize=" + std::to_string(origin.identity.size) + "\nmtime=" + std::to_string(origin.identity.modifiedNs) +
           "\nhash=" + hash + "\n";
}

std::optional<RecoveryOrigin> parseRecoveryInfo(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt; // cut short
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    static constexpr std::string_view keys[] = {"written=", "file=", "exists=", "size=", "mtime=", "hash="};
    if (lines.size() != std::size(keys) + 1 || lines[0] != kInfoHeader)
        return std::nullopt;
    std::string_view values[std::size(keys)];
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        if (lines[i + 1].substr(0, std::min(lines[i + 1].size(), keys[i].size())) != keys[i])
            return std::nullopt;
        values[i] = lines[i + 1].substr(keys[i].size());
    }
    RecoveryOrigin origin;
    const std::optional<std::string> path = unescapedPath(values[1]);
    if (!path || path->empty() || !fs::path(*path).is_absolute() || path->find('\0') != std::string::npos)
        return std::nullopt;
    origin.boxFile = *path;
    if ((values[2] != "0" && values[2] != "1") || !parseNumber(values[0], origin.writtenNs) ||
        !parseNumber(values[3], origin.identity.size) || !parseNumber(values[4], origin.identity.modifiedNs) ||
        values[5].size() != 16 || !parseNumber(values[5], origin.identity.hash, 16))
        return std::nullopt;
    origin.identity.regularFile = values[2] == "1";
    origin.identityKnown = true;
    return origin;
}

fs::path recoveryInfoPath(const fs::path& recovery) {
    fs::path info = recovery;
    info += kRecoveryInfoSuffix;
    return info;
}

Recovery readRecovery(const fs::path& path, const fs::path& boxFile) {
    Recovery recovery;
    recovery.path = path;
    const std::optional<std::string> info = readSmallFile(recoveryInfoPath(path));
    std::optional<RecoveryOrigin> origin = info ? parseRecoveryInfo(*info) : std::nullopt;
    if (origin) {
        recovery.origin = std::move(*origin);
    } else {
        recovery.origin.boxFile = boxFile;
        recovery.origin.writtenNs = modifiedNs(path);
    }
    recovery.ownTarget = restoreTargetAllowed(recovery.origin.boxFile, boxFile);
    recovery.load = BoxFile(path).load(recovery.box);
    return recovery;
}

bool restoreTargetAllowed(const fs::path& target, const fs::path& openedBoxFile) {
    if (!target.is_absolute() || !openedBoxFile.is_absolute())
        return false;
    for (const fs::path& part : target.relative_path())
        if (part.empty() || part == "." || part == "..")
            return false;
    const bool opened = target == openedBoxFile;
    const bool besideIt = target.parent_path() == openedBoxFile.parent_path() && target.extension() == ".vbd" &&
                          target.stem() != "" && target.stem() != ".";
    if (!opened && !besideIt)
        return false;
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

std::vector<Recovery> findRecoveries(const fs::path& boxFile) {
    struct Found {
        fs::path path;
        std::int64_t writtenNs;
        int number;
    };
    std::vector<Found> found;
    std::error_code ec;
    const std::string box = boxFile.filename().string();
    for (fs::directory_iterator it(boxFile.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const int number = recoveryNumber(name, box); number > 0) {
            const std::optional<std::string> info = readSmallFile(recoveryInfoPath(it->path()));
            const std::optional<RecoveryOrigin> origin = info ? parseRecoveryInfo(*info) : std::nullopt;
            found.push_back({it->path(), origin ? origin->writtenNs : modifiedNs(it->path()), number});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.writtenNs != b.writtenNs ? a.writtenNs > b.writtenNs : a.number > b.number;
    });
    if (found.size() > static_cast<std::size_t>(kMaxOfferedRecoveries))
        found.resize(kMaxOfferedRecoveries);
    std::vector<Recovery> recoveries;
    recoveries.reserve(found.size());
    for (const Found& f : found)
        recoveries.push_back(readRecovery(f.path, boxFile));
    return recoveries;
}

fs::path freeRecoveryPath(const fs::path& boxFile) {
    for (int number = 1; number <= kMaxRecoveryNumber; ++number) {
        const fs::path path = numberedRecoveryPath(boxFile, number);
        if (!taken(path))
            return path;
    }
    return {};
}

fs::path claimRecoveryPath(const fs::path& boxFile) {
    for (int number = 1; number <= kMaxRecoveryNumber; ++number) {
        const fs::path path = numberedRecoveryPath(boxFile, number);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

SaveResult writeRecovery(const Box& box, const fs::path& recoveryPath, const fs::path& openedBoxFile,
                         const RecoveryOrigin& origin) {
    if (recoveryPath.empty())
        return {false, text::uiText("Recovery", "復元用のファイルの名前がすべて使われているため、書きませんでした。")};
    // Neither the file opened (writeRecoveryFile checks that) nor the one the box now belongs to is
    // ever written over.
    if (entryOf(resolveLinks(origin.boxFile)) == entryOf(recoveryPath))
        return {false,
                text::fillText(
                    text::uiText("BoxFile",
                                 "ボックスファイル %1 が %2 を指しているため、復元用のファイルを書きませんでした。"),
                    {origin.boxFile.string(), recoveryPath.string()})};
    RecoveryOrigin stamped = origin;
    if (stamped.writtenNs == 0)
        stamped.writtenNs = nowNs();
    const bool fresh = !taken(recoveryPath);
    const SaveResult info = writeFileAtomically(recoveryInfoPath(recoveryPath), recoveryInfoText(stamped),
                                                {.followLinks = false, .keepPreviousAs = {}}, origin.boxFile);
    if (!info.ok)
        return info;
    const SaveResult written = writeRecoveryFile(box, recoveryPath, openedBoxFile);
    if (!written.ok && fresh) {
        std::error_code ec;
        fs::remove(recoveryInfoPath(recoveryPath), ec);
    }
    return written;
}

void removeRecovery(const fs::path& recoveryPath) {
    // The info first: a kill in between leaves a recovery without one (offered, always asking), never
    // an info that a later recovery of the same name would take for its own.
    std::error_code ec;
    fs::remove(recoveryInfoPath(recoveryPath), ec);
    fs::remove(recoveryPath, ec);
}

bool recoveryOriginChanged(const RecoveryOrigin& origin) {
    const FileIdentity now = fileIdentity(origin.boxFile);
    if (!now.regularFile)
        return false;
    return !origin.identityKnown || now != origin.identity;
}

int entriesInFile(const fs::path& path) {
    Box box;
    return BoxFile(path).load(box).count;
}

std::string recoveryOfferText(const Recovery& recovery, int position, int total) {
    std::string text =
        total > 1 ? text::fillText(
                        text::uiText("Recovery",
                                     "前回、保存しないまま終了したときのボックスの内容が残っています（%1 / %2）。"),
                        {std::to_string(position), std::to_string(total)})
                  : text::uiText("Recovery", "前回、保存しないまま終了したときのボックスの内容が残っています。");
    text += "\n" + recovery.path.string() + "\n" +
            text::fillText(text::uiText("Recovery", "元のファイル: %1"), {recovery.origin.boxFile.string()}) + "\n" +
            text::fillText(text::uiText("Recovery", "書き込んだ日時: %1"), {localTimeText(recovery.origin.writtenNs)}) +
            "\n";
    if (!recovery.ownTarget)
        text += text::uiText("Recovery", "元のファイルはこのフォルダーのボックスファイルではないため、復元したボックス"
                                         "は名前を付けて保存します。") +
                "\n";
    const LoadResult& load = recovery.load;
    if (load.status == LoadResult::Status::Unreadable) {
        text += load.message + "\n";
    } else {
        text += text::fillText(text::uiText("Recovery", "登録: %1 件"), {std::to_string(load.count)}) + "\n";
        if (load.invalidRecords > 0)
            text += text::fillText(text::uiText("Recovery", "読み込めないデータ %1 件は復元されません。"),
                                   {std::to_string(load.invalidRecords)}) +
                    "\n";
        if (!load.extensionProblem.empty())
            text +=
                text::fillText(
                    text::uiText("Recovery", "拡張データ（持ち物・性別・なつき度・色違い）は、%1ため復元されません。"),
                    {load.extensionProblem}) +
                "\n";
    }
    return text + text::uiText("Recovery", "復元しますか？");
}

std::string recoveryOriginChangedText(const Recovery& recovery) {
    return text::fillText(
        text::uiText(
            "Recovery",
            "元のファイル %1 "
            "は、この復元用のファイルを書いた後に変更されています。\n復元して上書きすると、その変更は失われます。"),
        {recovery.origin.boxFile.string()});
}

std::string emptyRecoveryText(const Recovery& recovery, int entriesNow) {
    return text::fillText(text::uiText("Recovery", "復元用のファイル %1 には登録がありません。\n復元すると、いまの %2 "
                                                   "件の登録が空のボックスに置き換わります。"),
                          {recovery.path.string(), std::to_string(entriesNow)});
}

} // namespace rusrina
