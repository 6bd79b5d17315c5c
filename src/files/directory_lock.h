#pragma once
// The lock of a data directory: a file whose lock the system holds for the running program and lets
// go of the moment that program ends, however it ends (a kill, a crash, a power cut). What the file
// holds is only a note for people: an empty file, one left half-written or one naming a process
// that is gone is simply taken over.

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

    explicit DirectoryLock(std::filesystem::path file);
    // Releases the lock and removes the file, when held.
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State acquire();
    // After NoSystemLock, when nothing else runs there: the lock counts as this program's (the file
    // names it and is removed at the end).
    void takeWithoutSystemLock();

    const std::filesystem::path& path() const { return m_path; }

private:
    void writeOwner();

    std::filesystem::path m_path;
    int m_fd = -1;
    bool m_held = false;
};

} // namespace rusrina
