#include "format/box_file.h"

#include "text/ui_text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

// Reads until `size` bytes or the end of the file; returns the count, or -1 with errno set.
ssize_t readUpTo(int fd, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

std::string systemReason(int error) {
    return std::strerror(error);
}

// FNV-1a: enough to tell two box images apart, and cheap next to reading them.
std::uint64_t hashOf(const char* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(data[i]);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string_view recordsOf(const Box& box) {
    return {reinterpret_cast<const char*>(box.slots().data()), kBoxFileBytes};
}

// The directory entry a path names: its directory resolved, its own name kept.
fs::path entryOf(const fs::path& path) {
    std::error_code ec;
    const fs::path dir = fs::weakly_canonical(fs::absolute(path, ec).parent_path(), ec);
    return dir / path.filename();
}

} // namespace

std::string boxFileBytes(const Box& box, bool withBlock) {
    std::string bytes(recordsOf(box));
    if (withBlock || box.hasExtras())
        bytes += extensionBlock(box.extras(), box.slots());
    return bytes;
}

FileIdentity fileIdentity(const fs::path& path) {
    return readBoxImage(path).identity;
}

BoxImage readBoxImage(const fs::path& path) {
    BoxImage image;
    // O_NONBLOCK: opening a fifo must not wait for a writer. Only regular files are read.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        image.error = errno;
        image.status = errno == ENOENT ? BoxImage::Status::Missing : BoxImage::Status::CannotOpen;
        return image;
    }
    struct stat st {};
    const int statError = ::fstat(fd, &st) != 0 ? errno : 0;
    if (statError != 0 || !S_ISREG(st.st_mode)) {
        image.error = statError != 0 ? statError : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        image.status = BoxImage::Status::NotAFile;
        ::close(fd);
        return image;
    }
    auto slots = std::make_unique<BoxSlots>();
    ssize_t got = readUpTo(fd, reinterpret_cast<char*>(slots->data()), kBoxFileBytes);
    // One byte past a block tells a block from a block with more behind it.
    std::string after(static_cast<std::size_t>(got) == kBoxFileBytes ? kExtensionBlockBytes + 1 : 0, '\0');
    const ssize_t gotAfter = got < 0 ? 0 : readUpTo(fd, after.data(), after.size());
    image.error = got < 0 || gotAfter < 0 ? errno : 0;
    ::close(fd);
    if (got < 0 || gotAfter < 0) {
        image.status = BoxImage::Status::ReadError;
        return image;
    }
    after.resize(static_cast<std::size_t>(gotAfter));
    image.status = BoxImage::Status::Read;
    std::uint64_t hash = hashOf(reinterpret_cast<const char*>(slots->data()), static_cast<std::size_t>(got));
    hash ^= hashOf(after.data(), after.size()) * 31;
    image.identity = {true, static_cast<std::uint64_t>(st.st_size),
                      static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, hash};
    image.slots = std::move(slots);
    image.completeRecords = static_cast<int>(static_cast<std::size_t>(got) / sizeof(BoxEntry));
    image.longerThanBox = static_cast<std::size_t>(st.st_size) > kBoxFileBytes;
    image.extension = readExtensionBlock(after);
    image.afterRecords = std::move(after);
    return image;
}

fs::path BoxFile::backupPath() const {
    fs::path backup = m_path;
    backup += kBackupSuffix;
    return backup;
}

fs::path BoxFile::previousBackupPath() const {
    fs::path backup = m_path;
    backup += kPreviousBackupSuffix;
    return backup;
}

LoadResult BoxFile::load(Box& box) {
    LoadResult result;
    BoxImage image = readBoxImage(m_path);
    m_identity = image.identity;
    m_identityKnown = true;
    if (image.status != BoxImage::Status::Read) {
        box.clear();
        // A file that exists but cannot be read may still be the user's work: it is never replaced.
        m_needsNewName = m_backupPending = image.status != BoxImage::Status::Missing;
        if (m_needsNewName) {
            result.status = LoadResult::Status::Unreadable;
            result.message = text::fillText(text::uiText("BoxFile", "ファイル読込失敗: %1 (%2)"),
                                            {m_path.string(), systemReason(image.error)});
        }
        return result;
    }
    m_needsNewName = false;
    result.status = LoadResult::Status::Loaded;
    ExtensionRead& extension = image.extension;
    const bool validBlock = extension.status == ExtensionRead::Status::Valid;
    if (validBlock) {
        result.movedExtras = dropMovedExtras(*extension.extras, extension, *image.slots);
        result.normalisedExtras = extension.normalised;
    }
    result.invalidRecords =
        box.adoptImage(*image.slots, image.completeRecords, validBlock ? &*extension.extras : nullptr);
    result.count = box.count();
    if (extension.status == ExtensionRead::Status::Damaged)
        result.extensionProblem = extension.reason;
    m_writesBlock = validBlock;
    // A valid block that a save would not write back as it stands (an extra another creature now
    // has the slot of, an item its record no longer stands for, a field out of range, bytes
    // behind it) counts as dropped data too. A block written before records were tied is kept:
    // its ties are only added.
    const bool blockKept = validBlock && !extension.trailingBytes && result.movedExtras == 0 &&
                           result.normalisedExtras == 0 && box.extras() == *extension.extras;
    m_backupPending = result.invalidRecords > 0 || (image.longerThanBox && !blockKept);
    return result;
}

SaveResult BoxFile::save(const Box& box, SaveCheck check) {
    if (m_needsNewName)
        return {false,
                text::fillText(text::uiText("BoxFile", "%1 は読み込めなかったため置き換えません。"), {m_path.string()}),
                SaveProblem::NeedsNewName};
    if (check == SaveCheck::DiskUnchanged && m_identityKnown) {
        const FileIdentity now = fileIdentity(m_path);
        if (now.regularFile && now != m_identity)
            return {false,
                    text::fillText(
                        text::uiText(
                            "BoxFile",
                            "%1 は読み込んだ後（または前回の保存の後）に、ほかのプログラムによって変更されています。"),
                        {m_path.string()}),
                    SaveProblem::ChangedOnDisk};
    }
    if (m_backupPending) {
        std::error_code ec;
        if (fs::exists(fs::status(m_path, ec))) {
            // The backup is a file of its own: a link in its place is replaced, not written through.
            SaveResult backup = copyFileAtomically(
                m_path, backupPath(), {.followLinks = false, .keepPreviousAs = previousBackupPath()}, m_path);
            if (!backup.ok)
                return {false, text::uiText("BoxFile", "バックアップを作成できないため保存しませんでした。") + "\n" +
                                   backup.message};
        }
        m_backupPending = false;
    }
    SaveResult result = writeFileAtomically(m_path, boxFileBytes(box, m_writesBlock));
    if (result.ok) {
        m_identity = fileIdentity(m_path);
        m_identityKnown = true;
        m_writesBlock = m_writesBlock || box.hasExtras();
    }
    return result;
}

SaveResult BoxFile::saveAs(const Box& box, const fs::path& path) {
    if (entryOf(resolveLinks(path)) == entryOf(resolveLinks(m_path)))
        return save(box, SaveCheck::Overwrite);
    SaveResult result = writeFileAtomically(path, boxFileBytes(box, m_writesBlock));
    if (result.ok) {
        m_path = path;
        m_writesBlock = m_writesBlock || box.hasExtras();
        m_backupPending = m_needsNewName = false;
        m_identity = fileIdentity(m_path);
        m_identityKnown = true;
    }
    return result;
}

void BoxFile::adoptRecovered(const FileIdentity& asRead) {
    const BoxImage image = readBoxImage(m_path);
    m_identity = asRead;
    m_identityKnown = true;
    m_needsNewName = m_backupPending =
        image.status != BoxImage::Status::Read && image.status != BoxImage::Status::Missing;
    m_writesBlock = image.status == BoxImage::Status::Read && image.extension.status == ExtensionRead::Status::Valid;
}

fs::path recoveryPathFor(const fs::path& boxFile) {
    fs::path recovery = boxFile;
    recovery += kRecoverySuffix;
    return recovery;
}

SaveResult writeRecoveryFile(const Box& box, const fs::path& recoveryPath, const fs::path& boxFile) {
    if (entryOf(resolveLinks(boxFile)) == entryOf(recoveryPath))
        return {false,
                text::fillText(
                    text::uiText("BoxFile",
                                 "ボックスファイル %1 が %2 を指しているため、復元用のファイルを書きませんでした。"),
                    {boxFile.string(), recoveryPath.string()})};
    // As private as the box it holds.
    return writeFileAtomically(recoveryPath, boxFileBytes(box), {.followLinks = false, .keepPreviousAs = {}}, boxFile);
}

ImportResult importBoxFile(Box& box, const fs::path& path) {
    ImportResult result;
    BoxImage image = readBoxImage(path);
    if (image.status != BoxImage::Status::Read) {
        std::error_code ec;
        result.failure = fs::absolute(path, ec).string() + " (" + systemReason(image.error) + ")";
        return result;
    }
    result.status = ImportResult::Status::Imported;
    result.firstAddedSlot = box.count();
    const BoxSlots& records = *image.slots;
    std::optional<BoxExtras>& extras = image.extension.extras;
    if (extras)
        dropMovedExtras(*extras, image.extension, records);
    for (int i = 0; i < kBoxCapacity; ++i) {
        const BoxEntry& record = records[i];
        if (!record.inUse())
            continue;
        if (i >= image.completeRecords || !isValidEntry(record)) {
            ++result.invalid;
            continue;
        }
        bool present = false;
        for (int slot = 0; slot < box.count() && !present; ++slot)
            present = sameCreature(box.entry(slot), record);
        if (present)
            ++result.present;
        else if (box.add(record, extras ? (*extras)[i] : EntryExtra{}).ok())
            ++result.added;
        else
            ++result.noRoom;
    }
    return result;
}

std::string loadSummaryText(const LoadResult& result, const fs::path& backup) {
    if (result.status == LoadResult::Status::Unreadable)
        return result.message + "\n" +
               text::uiText("BoxFile",
                            "このファイルは置き換えず、ボックスは保存するときに別の名前を付けて保存します。");
    if (result.invalidRecords == 0 && result.extensionProblem.empty() && result.movedExtras == 0 &&
        result.normalisedExtras == 0)
        return {};
    std::string text;
    if (result.invalidRecords > 0)
        text = text::fillText(text::uiText("BoxFile", "ボックスファイルの不正なデータ %1 件を読み込みませんでした。"),
                              {std::to_string(result.invalidRecords)}) +
               "\n";
    if (result.movedExtras > 0)
        text += text::fillText(
                    text::uiText("BoxFile",
                                 "拡張データ（持ち物・性別・なつき度・色違い） %1 "
                                 "件は、ほかのプログラムが登録を並べ替えたか書き換えたため、読み込みませんでした。"),
                    {std::to_string(result.movedExtras)}) +
                "\n";
    if (result.normalisedExtras > 0)
        text += text::fillText(
                    text::uiText("BoxFile", "拡張データ %1 件に範囲外の値があったため、読み込める値に直しました。"),
                    {std::to_string(result.normalisedExtras)}) +
                "\n";
    if (!result.extensionProblem.empty())
        text +=
            text::fillText(text::uiText("BoxFile", "ボックスファイルの拡張データ（持ち物・性別・なつき度・色違い）は、%"
                                                   "1ため読み込みませんでした。登録の %2 件はそのまま読み込みました。"),
                           {result.extensionProblem, std::to_string(result.count)}) +
            "\n";
    return text +
           text::fillText(text::uiText("BoxFile", "保存するときは元のファイルを %1 に残します。"), {backup.string()});
}

std::string importSummaryText(const ImportResult& result) {
    if (result.status == ImportResult::Status::OpenFailed) {
        const std::string failed = text::uiText("BoxFile", "ファイルオープン失敗");
        return result.failure.empty() ? failed : failed + "\n" + result.failure;
    }
    std::string text = text::fillText(text::uiText("BoxFile", "%1 件追加しました。"), {std::to_string(result.added)});
    if (result.present > 0)
        text += "\n" + text::fillText(text::uiText("BoxFile", "登録済みの %1 件は追加しませんでした。"),
                                      {std::to_string(result.present)});
    if (result.invalid > 0)
        text += "\n" + text::fillText(text::uiText("BoxFile", "不正なデータ %1 件は読み込みませんでした。"),
                                      {std::to_string(result.invalid)});
    if (result.noRoom > 0)
        text += "\n" + text::fillText(text::uiText("BoxFile", "ボックスが一杯のため %1 件を追加できませんでした。"),
                                      {std::to_string(result.noRoom)});
    return text;
}

} // namespace rusrina
