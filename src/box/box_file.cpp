#include "box/box_file.h"

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

} // namespace

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
    image.error = got < 0 ? errno : 0;
    ::close(fd);
    if (got < 0) {
        image.status = BoxImage::Status::ReadError;
        return image;
    }
    image.status = BoxImage::Status::Read;
    image.slots = std::move(slots);
    image.completeRecords = static_cast<int>(static_cast<std::size_t>(got) / sizeof(BoxEntry));
    image.longerThanBox = static_cast<std::size_t>(st.st_size) > kBoxFileBytes;
    return image;
}

fs::path BoxFile::backupPath() const {
    fs::path backup = m_path;
    backup += kBackupSuffix;
    return backup;
}

LoadResult BoxFile::load(Box& box) {
    LoadResult result;
    BoxImage image = readBoxImage(m_path);
    if (image.status != BoxImage::Status::Read) {
        box.clear();
        // A file that exists but cannot be read is kept aside before a save replaces it.
        m_backupPending = image.status != BoxImage::Status::Missing;
        if (m_backupPending) {
            result.status = LoadResult::Status::Unreadable;
            result.message = "ファイル読込失敗: " + m_path.string() + " (" + systemReason(image.error) + ")";
        }
        return result;
    }
    result.status = LoadResult::Status::Loaded;
    result.invalidRecords = box.adoptImage(*image.slots, image.completeRecords);
    result.count = box.count();
    m_backupPending = result.invalidRecords > 0 || image.longerThanBox;
    return result;
}

SaveResult BoxFile::save(const Box& box) {
    if (m_backupPending) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(m_path, ec))) {
            SaveResult backup = copyFileAtomically(m_path, backupPath());
            if (!backup.ok)
                return {false, "バックアップを作成できないため保存しませんでした。\n" + backup.message};
        }
        m_backupPending = false;
    }
    const BoxSlots& slots = box.slots();
    return writeFileAtomically(m_path, std::string_view(reinterpret_cast<const char*>(slots.data()), kBoxFileBytes));
}

ImportResult importBoxFile(Box& box, const fs::path& path) {
    ImportResult result;
    BoxImage image = readBoxImage(path);
    if (image.status != BoxImage::Status::Read)
        return result;
    result.status = ImportResult::Status::Imported;
    result.firstAddedSlot = box.count();
    const BoxSlots& records = *image.slots;
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
        else if (box.add(record).ok())
            ++result.added;
        else
            ++result.noRoom;
    }
    return result;
}

std::string loadSummaryText(const LoadResult& result, const fs::path& backup) {
    if (result.status == LoadResult::Status::Unreadable)
        return result.message + "\n保存するときは元のファイルを " + backup.string() + " に残します。";
    if (result.invalidRecords == 0)
        return {};
    return "ボックスファイルの不正なデータ " + std::to_string(result.invalidRecords) +
           " 件を読み込みませんでした。\n保存するときは元のファイルを " + backup.string() + " に残します。";
}

std::string importSummaryText(const ImportResult& result) {
    if (result.status == ImportResult::Status::OpenFailed)
        return kImportOpenFailedText;
    std::string text = std::to_string(result.added) + " 件追加しました。";
    if (result.present > 0)
        text += "\n登録済みの " + std::to_string(result.present) + " 件は追加しませんでした。";
    if (result.invalid > 0)
        text += "\n不正なデータ " + std::to_string(result.invalid) + " 件は読み込みませんでした。";
    if (result.noRoom > 0)
        text += "\nボックスが一杯のため " + std::to_string(result.noRoom) + " 件を追加できませんでした。";
    return text;
}

} // namespace rusrina
