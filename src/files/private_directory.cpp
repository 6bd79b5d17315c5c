#include "files/private_directory.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kOthersAccess = S_IRWXG | S_IRWXO;

} // namespace

bool isPrivateDirectory(const fs::path& dir) {
    struct stat st {};
    return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & kOthersAccess) == 0;
}

bool createPrivateDirectories(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec))
        return true;
    if (dir.has_parent_path() && dir.parent_path() != dir && !createPrivateDirectories(dir.parent_path()))
        return false;
    // The mode is given to mkdir itself, so the directory is never open to others, not even for a
    // moment; a umask can only narrow it.
    if (::mkdir(dir.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return false;
    return fs::is_directory(dir, ec);
}

fs::path socketDirectory(std::string_view xdgRuntimeDir, const fs::path& tempDir) {
    const fs::path runtime(xdgRuntimeDir);
    if (runtime.is_absolute() && isPrivateDirectory(runtime))
        return runtime;
    const fs::path own = tempDir / ("rusrina-" + std::to_string(::geteuid()));
    if (::mkdir(own.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    // Only a directory of this user's is narrowed: the name may have been taken by someone else
    // before this program first ran.
    if (::lstat(own.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return {};
    if ((st.st_mode & kOthersAccess) != 0 && ::chmod(own.c_str(), S_IRWXU) != 0)
        return {};
    return isPrivateDirectory(own) ? own : fs::path();
}

} // namespace rusrina
