#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "rusrina-settings-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class SettingsFileTest : public ::testing::Test {
protected:
    fs::path iniPath() const { return dir.path() / "rusrina.ini"; }
    TempDir dir;
};

// Only a file whose version is exactly 92 survives start-up; anything else starts from defaults.
TEST_F(SettingsFileTest, VersionRuleKeepsOnlyVersion92) {
    struct Case {
        const char* name;
        const char* content; // nullptr: no file at all
        bool keepsSearchShow;
    };
    const Case cases[] = {
        {"absent", nullptr, false},
        {"version 91", "[Main]\r\nVersion=91\r\n[Search]\r\nshow=1\r\n", false},
        {"version 92", "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n", true},
        {"no Version key", "[Main]\r\nOther=92\r\n[Search]\r\nshow=1\r\n", false},
        {"no Main section", "[Search]\r\nshow=1\r\n", false},
        {"version not a number", "[Main]\r\nVersion=ninety-two\r\n[Search]\r\nshow=1\r\n", false},
        {"version 92 with LF ends and odd case", "[main]\nversion = 92\n[SEARCH]\nShow=1\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(iniPath());
        if (c.content)
            writeFile(iniPath(), c.content);
        SettingsFile settings(iniPath());
        settings.applyVersionRule();
        settings.flush();
        EXPECT_EQ(settings.readSetting("Main", "Version", 1), 92);
        EXPECT_EQ(settings.readSetting("Search", "show", 0), c.keepsSearchShow ? 1 : 0);
        if (!c.keepsSearchShow) {
            EXPECT_EQ(readFile(iniPath()), "[Main]\r\nVersion=92\r\n");
        }
    }
}

TEST_F(SettingsFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(SettingsFile(iniPath()).readSetting("DataView", "clevel", 49), 49);
    writeFile(iniPath(), "[Search]\r\nshow=1\r\n");
    SettingsFile settings(iniPath());
    EXPECT_EQ(settings.readSetting("DataView", "clevel", 49), 49);
    EXPECT_EQ(settings.readSetting("Search", "left", -7), -7);
    EXPECT_EQ(settings.readSetting("Search", "show", 0), 1);
}

TEST_F(SettingsFileTest, WriteCreatesFileSectionAndKey) {
    SettingsFile settings(iniPath());
    settings.writeSetting("Search", "show", 1);
    settings.flush();
    EXPECT_EQ(readFile(iniPath()), "[Search]\r\nshow=1\r\n");

    settings.writeSetting("Search", "left", -120);
    settings.writeSetting("Damage", "show", 0);
    settings.writeSetting("search", "SHOW", 0); // same key in another case: replaced, not added
    settings.flush();
    EXPECT_EQ(readFile(iniPath()), "[Search]\r\nshow=0\r\nleft=-120\r\n[Damage]\r\nshow=0\r\n");
    EXPECT_EQ(settings.readSetting("SEARCH", "Left", 0), -120);
}

// A hand-edited file keeps its comments, blank lines, unknown keys, line ends and stray bytes.
TEST_F(SettingsFileTest, WriteKeepsTheRestOfTheFile) {
    writeFile(iniPath(),
              "; my notes\n[Main]\nVersion=92\n\n[Search]\nshow=1\nextra = text\n\n[ParaCheck]\nrule=3\n\r\r");
    SettingsFile settings(iniPath());
    settings.writeSetting("Search", "top", 40);
    settings.writeSetting("ParaCheck", "rule", 5);
    settings.flush();
    EXPECT_EQ(readFile(iniPath()),
              "; my notes\n[Main]\nVersion=92\n\n[Search]\nshow=1\nextra = text\ntop=40\n\n[ParaCheck]\nrule=5\n"
              "\r\r\n"); // a last line of stray CRs, read as one CR, keeps both
}

// A typed key is read within its range, and one the program added is in the file only while it is
// off its default: back at it, its lines go, and its section's header once nothing else is left.
TEST_F(SettingsFileTest, TypedKeysHoldOnlyWhatDiffersFromTheirDefault) {
    writeFile(iniPath(), "[Matrix]\r\nside=7\r\ntab=1\r\nTAB=1\r\n[Damage]\r\n; mine\r\nmode=2\r\n");
    SettingsFile settings(iniPath());
    const SettingKey side = checkKey("Matrix", "side");
    const SettingKey tab = checkKey("Matrix", "tab");
    const SettingKey mode = positionKey("Damage", "mode");
    const SettingKey show = shownKey("Search", Stored::Always);
    EXPECT_EQ(settings.read(side), 0); // 7 is no check box's state
    EXPECT_EQ(settings.read(tab), 1);
    settings.write(side, 0);
    settings.write(tab, 0);
    settings.write(mode, 0);
    settings.write(show, 0);
    settings.write(checkKey("Matrix", "freeOthers"), 0);
    settings.flush();
    EXPECT_EQ(readFile(iniPath()), "[Damage]\r\n; mine\r\n[Search]\r\nshow=0\r\n");
    settings.write(tab, 1);
    settings.flush();
    EXPECT_EQ(readFile(iniPath()), "[Damage]\r\n; mine\r\n[Search]\r\nshow=0\r\n[Matrix]\r\ntab=1\r\n");
    EXPECT_EQ(SettingsFile(iniPath()).read(tab), 1);
}

TEST_F(SettingsFileTest, ValuesThatAreNotIntegersGiveTheDefault) {
    struct Case {
        const char* value;
        int expected; // the default is 77
    };
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"  42  ", 42},
        {"\"9\"", 9},
        {"", 77},
        {"abc", 77},
        {"12abc", 77},
        {"1.5", 77},
        {"0x10", 77},
        {"-", 77},
        {"4294967296", 77},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"\xff\xfe\x01", 77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        writeFile(iniPath(), std::string("[Search]\r\ncombo_t1=") + c.value + "\r\n");
        EXPECT_EQ(SettingsFile(iniPath()).readSetting("Search", "combo_t1", 77), c.expected);
    }
}

TEST_F(SettingsFileTest, OddLinesAreReadWithoutHarm) {
    static const char odd[] = "garbage line\n[Search\nshow=1\n=5\n[]\n[Damage]\r\nshow=3\r\nshow=4\r\n"
                              "[Damage]\r\nleft=9\r\n\0\0binary";
    writeFile(iniPath(), std::string(odd, sizeof odd - 1));
    SettingsFile settings(iniPath());
    EXPECT_EQ(settings.readSetting("Search", "show", 0), 1); // "[Search" without "]" still names the section
    EXPECT_EQ(settings.readSetting("Damage", "show", 0), 3); // the first of two keys
    EXPECT_EQ(settings.readSetting("Damage", "left", 0), 0); // only the first section of a name counts
    settings.writeSetting("Damage", "show", 8);
    EXPECT_EQ(settings.readSetting("Damage", "show", 0), 8);
}

// Nowhere to write: every read stays at its default and nothing throws.
TEST_F(SettingsFileTest, UnwritableLocationLeavesEveryReadAtItsDefault) {
    writeFile(dir.path() / "plain-file", "x");
    const fs::path unwritable[] = {"/proc/rusrina-no-such-dir/rusrina.ini", dir.path() / "plain-file" / "rusrina.ini"};
    for (const auto& path : unwritable) {
        SCOPED_TRACE(path.string());
        SettingsFile settings(path);
        settings.applyVersionRule();
        settings.writeSetting("Search", "show", 1);
        EXPECT_EQ(settings.readSetting("Main", "Version", 1), 1);
        EXPECT_EQ(settings.readSetting("Search", "show", 0), 0);
        EXPECT_EQ(settings.settingsPath(), path.string());
    }
    EXPECT_EQ(readFile(dir.path() / "plain-file"), "x");
}

// A flush replaces the file whole, through a temporary file that does not stay behind.
TEST_F(SettingsFileTest, WriteLeavesNoTemporaryFiles) {
    SettingsFile settings(iniPath());
    for (int i = 0; i < 5; ++i) {
        settings.writeSetting("Search", "combo_u" + std::to_string(i + 1), i);
        settings.flush();
    }
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
    EXPECT_EQ(settings.readSetting("Search", "combo_u5", -1), 4);
}

// The file is read when the object is made and written only by flush, and only when a write
// changed something: a hand edit made while the program runs survives an exit that changed nothing.
TEST_F(SettingsFileTest, ReadOnceAndWrittenOnlyByAFlushThatHasChanges) {
    writeFile(iniPath(), "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n");
    SettingsFile settings(iniPath());
    writeFile(iniPath(), "[Search]\r\nshow=0\r\nhand=edited\r\n");
    EXPECT_EQ(settings.readSetting("Search", "show", 7), 1);
    settings.writeSetting("Search", "show", 1); // the value it already has
    EXPECT_TRUE(settings.flush().ok);
    EXPECT_EQ(readFile(iniPath()), "[Search]\r\nshow=0\r\nhand=edited\r\n");
    settings.writeSetting("Search", "left", 5);
    EXPECT_EQ(readFile(iniPath()), "[Search]\r\nshow=0\r\nhand=edited\r\n");
    EXPECT_TRUE(settings.flush().ok);
    EXPECT_EQ(readFile(iniPath()), "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\nleft=5\r\n");
}

// A file that is not a settings file (too long, or not readable as a file) gives every window its
// defaults, is said once, and is never changed or deleted, whatever the run writes.
TEST_F(SettingsFileTest, NotASettingsFileIsLeftUntouched) {
    const std::string head = "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n";
    struct Case {
        const char* what;
        std::size_t size; // the head padded with comment lines to this size; 0: no padding
        mode_t mode;
        SettingsFile::LoadStatus status;
    };
    std::vector<Case> cases = {
        {"exactly 1 MiB", kMaxSettingsBytes, 0644, SettingsFile::LoadStatus::Read},
        {"one byte over 1 MiB", kMaxSettingsBytes + 1, 0644, SettingsFile::LoadStatus::TooLarge},
        {"100 MB", 100'000'000, 0644, SettingsFile::LoadStatus::TooLarge},
    };
    if (::geteuid() != 0) // permission bits do not stop root
        cases.push_back({"no read permission", 0, 0200, SettingsFile::LoadStatus::Unreadable});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(iniPath());
        writeFile(iniPath(), head);
        if (c.size > head.size())
            fs::resize_file(iniPath(), c.size); // sparse: the padding costs no disk
        ::chmod(iniPath().c_str(), c.mode);
        struct stat before {};
        ::stat(iniPath().c_str(), &before);

        SettingsFile settings(iniPath());
        settings.applyVersionRule();
        settings.writeSetting("Damage", "show", 1);
        EXPECT_TRUE(settings.flush().ok);
        EXPECT_EQ(settings.loadStatus(), c.status);
        const bool read = c.status == SettingsFile::LoadStatus::Read;
        EXPECT_EQ(settings.readSetting("Search", "show", 0), read ? 1 : 0);
        EXPECT_EQ(settings.loadProblemText().find(iniPath().string()) != std::string::npos, !read);

        struct stat after {};
        ASSERT_EQ(::stat(iniPath().c_str(), &after), 0);
        if (!read) {
            EXPECT_EQ(after.st_size, before.st_size);
            EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
    }
}

// A file near the limit takes a write that still fits; one that would grow past it keeps its bytes
// and is read again at the next start, rather than being written too large to be read ever again.
TEST_F(SettingsFileTest, NeverWrittenPastTheSizeItIsReadAt) {
    const std::string head = "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n";
    const std::string added = "[Damage]\r\nshow=1\r\n";
    const struct {
        const char* what;
        std::size_t size;
        bool written;
    } cases[] = {
        {"room for the new key", kMaxSettingsBytes - added.size(), true},
        {"one byte short of room", kMaxSettingsBytes - added.size() + 1, false},
        {"exactly 1 MiB", kMaxSettingsBytes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string comment = "; " + std::string(c.size - head.size() - 4, 'x') + "\r\n";
        writeFile(iniPath(), head + comment);
        ASSERT_EQ(fs::file_size(iniPath()), c.size);
        {
            SettingsFile settings(iniPath());
            settings.applyVersionRule();
            settings.writeSetting("Damage", "show", 1);
            EXPECT_TRUE(settings.flush().ok);
        }
        EXPECT_EQ(readFile(iniPath()), c.written ? head + comment + added : head + comment);
        SettingsFile next(iniPath());
        EXPECT_EQ(next.loadStatus(), SettingsFile::LoadStatus::Read);
        EXPECT_EQ(next.readSetting("Damage", "show", 0), c.written ? 1 : 0);
    }
}

// Written through a symbolic link to the file it names, with that file's permissions; a file
// without write permission keeps its bytes, and the run reads what it holds.
TEST_F(SettingsFileTest, LinkedOrReadOnlyFile) {
    fs::create_directory(dir.path() / "real");
    const fs::path real = dir.path() / "real" / "settings.ini";
    writeFile(real, "[Main]\r\nVersion=92\r\n");
    fs::permissions(real, fs::perms(0600));
    fs::create_symlink("real/settings.ini", iniPath());
    SettingsFile linked(iniPath());
    linked.applyVersionRule();
    linked.writeSetting("Search", "show", 1);
    ASSERT_TRUE(linked.flush().ok);
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_EQ(readFile(real), "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::mask, fs::perms(0600));

    fs::permissions(real, fs::perms(0444));
    SettingsFile readOnly(iniPath());
    readOnly.writeSetting("Search", "show", 0);
    EXPECT_TRUE(readOnly.flush().ok);
    EXPECT_EQ(readOnly.readSetting("Search", "show", 7), 1);
    EXPECT_EQ(readFile(real), "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\n");
}

TEST(DataDirectoryTest, ExecutableDirectoryWhenWritableElsePerUserConfig) {
    TempDir exe, config, home, prefix;
    writeFile(exe.path() / "plain-file", "x");
    const fs::path unwritableExe = exe.path() / "plain-file" / "bin";
    // An installed copy: bin/rusrina beside share/applications/rusrina.desktop, both writable.
    const fs::path installedBin = prefix.path() / "bin";
    fs::create_directories(installedBin);
    fs::create_directories(prefix.path() / "share" / "applications");
    writeFile(prefix.path() / "share" / "applications" / "rusrina.desktop", "[Desktop Entry]\n");
    struct Case {
        const char* name;
        fs::path executableDir;
        std::string xdg;
        std::string home;
        fs::path expected;
    };
    const Case cases[] = {
        {"writable", exe.path(), config.path().string(), home.path().string(), exe.path()},
        {"read-only, XDG set", "/proc/rusrina-no-such-dir", config.path().string(), home.path().string(),
         config.path() / "rusrina"},
        {"read-only, XDG unset", unwritableExe, "", home.path().string(), home.path() / ".config" / "rusrina"},
        {"read-only, XDG relative", unwritableExe, "relative/dir", home.path().string(),
         home.path() / ".config" / "rusrina"},
        {"nothing writable", unwritableExe, "/proc/nope", "", unwritableExe},
        {"installed, writable", installedBin, "", home.path().string(), home.path() / ".config" / "rusrina"},
        {"installed, nothing else writable", installedBin, "/proc/nope", "", installedBin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto chosen = chooseDataDirectory(c.executableDir, c.xdg, c.home, isInstalledCopy(c.executableDir));
        EXPECT_EQ(chosen, c.expected);
        if (chosen != unwritableExe) {
            EXPECT_TRUE(fs::is_directory(chosen));
            EXPECT_TRUE(isWritableDirectory(chosen));
        }
    }
    EXPECT_TRUE(isInstalledCopy(installedBin));
    EXPECT_FALSE(isInstalledCopy(prefix.path()));
    EXPECT_FALSE(isWritableDirectory("/proc/self"));
    // The writability probe leaves nothing behind.
    EXPECT_EQ(readFile(exe.path() / "plain-file"), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(exe.path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_empty(installedBin));
}

// The per-user data directory the program makes is the user's alone, parents and all, whatever
// the umask allows.
TEST(DataDirectoryTest, PerUserDirectoryIsMadePrivate) {
    TempDir config, home;
    // Looked up for reading only, a missing one is not made: the executable's directory stands in.
    EXPECT_EQ(findDataDirectory("/proc/nope", (config.path() / "xdg").string(), "", false), "/proc/nope");
    EXPECT_FALSE(fs::exists(config.path() / "xdg"));
    const mode_t oldMask = ::umask(0);
    const auto chosen = chooseDataDirectory("/proc/nope", (config.path() / "xdg").string(), "", false);
    ::umask(oldMask);
    ASSERT_EQ(chosen, config.path() / "xdg" / "rusrina");
    EXPECT_EQ(findDataDirectory("/proc/nope", (config.path() / "xdg").string(), "", false), chosen);
    for (const fs::path& dir : {config.path() / "xdg", chosen})
        EXPECT_EQ(fs::status(dir).permissions() & fs::perms::mask, fs::perms(0700)) << dir;
    // One that is there already is left as it is.
    fs::create_directories(home.path() / ".config" / "rusrina");
    fs::permissions(home.path() / ".config" / "rusrina", fs::perms(0755));
    EXPECT_EQ(chooseDataDirectory("/proc/nope", "", home.path().string(), false), home.path() / ".config" / "rusrina");
    EXPECT_EQ(fs::status(home.path() / ".config" / "rusrina").permissions() & fs::perms::mask, fs::perms(0755));
}

} // namespace
} // namespace rusrina
