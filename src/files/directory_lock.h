#pragma once
// The lock of a data directory: a file whose lock the system holds for the running program and lets
// go of the moment that program ends, however it ends (a kill, a crash, a power cut). What the file
// holds is only a note for people: an empty file, one left half-written or one naming a process
// that is gone is simply taken over.
//
// The directory itself is locked the same way first, so that a lock file that cannot be opened
// (left by another user, a link, a directory) still leaves the directory guarded; where neither
// can be locked, a lock file elsewhere (named after the directory, in a directory only this user
// may enter) guards it against this user's own starts.

#include <filesystem>

namespace rusrina {

class DirectoryLock {
public:
    enum class State {
        Held,         // this program holds it
        Taken,        // a running process holds it
        NoSystemLock, // the file system keeps no locks (some network mounts): the file is open, but
                      // only another way of asking can tell whether a program runs
        Failed,       // no lock file can be made there
    };

    // `file` lies in the directory it guards; `fallback`, when given, is the lock file used where
    // neither that file nor the directory can be locked.
    explicit DirectoryLock(std::filesystem::path file, std::filesystem::path fallback = {});
    // Releases the lock and removes the file, when held.
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State acquire();
    // After NoSystemLock, when nothing else runs there: the lock counts as this program's (the file
    // names it and is removed at the end).
    void takeWithoutSystemLock();

    // The lock file in use: the one given, or the fallback when that one could not be locked.
    const std::filesystem::path& path() const { return m_path; }
    // Held, but by the directory or the fallback rather than by the lock file given.
    bool guardedAnotherWay() const { return m_dirFd >= 0 || m_path != m_file; }

private:
    State lockFile();
    State lockDirectory();
    void writeOwner();
    void release();

    std::filesystem::path m_file;
    std::filesystem::path m_fallback;
    std::filesystem::path m_path;
    int m_fd = -1;
    int m_dirFd = -1;
    bool m_held = false;
};

} // namespace rusrina
