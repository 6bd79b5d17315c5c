// The directories only this user may enter: the socket's, chosen so that no other user can take
// its name first, and the data directory the program makes.

#include "files/private_directory.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

fs::perms permissionsOf(const fs::path& path) {
    return fs::symlink_status(path).permissions() & fs::perms::mask;
}

} // namespace

TEST(SocketDirectory, TheRuntimeDirectoryWhenPrivateElseOneOfTheUsersOwn) {
    const std::string own = "rusrina-" + std::to_string(::geteuid());
    enum class Runtime { Private, Open, Relative, Link, Unset };
    enum class Fallback { Missing, OpenDirOfOurs, File, LinkToPrivate, OtherUsers };
    const struct {
        const char* what;
        Runtime runtime;
        Fallback fallback;
        const char* chosen; // "runtime", "own", or "" for none
    } cases[] = {
        {"a private runtime directory", Runtime::Private, Fallback::Missing, "runtime"},
        {"a runtime directory others may enter", Runtime::Open, Fallback::Missing, "own"},
        {"a relative runtime path", Runtime::Relative, Fallback::Missing, "own"},
        {"a runtime path that is a link", Runtime::Link, Fallback::Missing, "own"},
        {"no runtime directory", Runtime::Unset, Fallback::Missing, "own"},
        {"our own directory left open", Runtime::Unset, Fallback::OpenDirOfOurs, "own"},
        {"a file in its place", Runtime::Unset, Fallback::File, ""},
        {"a link in its place", Runtime::Unset, Fallback::LinkToPrivate, ""},
        {"another user's directory in its place", Runtime::Unset, Fallback::OtherUsers, ""},
    };
    for (const auto& c : cases) {
        if (c.fallback == Fallback::OtherUsers && ::geteuid() != 0)
            continue; // only root can make a directory of someone else's
        TempDir dir;
        const fs::path runtime = dir / "runtime", temp = dir / "tmp", fallback = temp / own.c_str();
        fs::create_directories(temp);
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms(c.runtime == Runtime::Open ? 0755 : 0700));
        std::string runtimeText = runtime.string();
        if (c.runtime == Runtime::Relative)
            runtimeText = "runtime";
        if (c.runtime == Runtime::Link) {
            fs::create_directory_symlink(runtime, dir / "runtime-link");
            runtimeText = (dir / "runtime-link").string();
        }
        if (c.runtime == Runtime::Unset)
            runtimeText.clear();
        if (c.fallback == Fallback::OpenDirOfOurs || c.fallback == Fallback::OtherUsers) {
            fs::create_directory(fallback);
            fs::permissions(fallback, fs::perms(0777));
            if (c.fallback == Fallback::OtherUsers) {
                ASSERT_EQ(::chown(fallback.c_str(), 65534, 65534), 0);
            }
        }
        if (c.fallback == Fallback::File)
            writeAll(fallback, "");
        if (c.fallback == Fallback::LinkToPrivate)
            fs::create_directory_symlink(runtime, fallback);

        const fs::path chosen = socketDirectory(runtimeText, temp);
        const std::string expected = c.chosen;
        EXPECT_EQ(chosen, expected == "runtime" ? runtime : expected == "own" ? fallback : fs::path()) << c.what;
        if (expected == "own") {
            EXPECT_EQ(permissionsOf(fallback), fs::perms(0700)) << c.what;
        }
        if (c.fallback == Fallback::OtherUsers) {
            EXPECT_EQ(permissionsOf(fallback), fs::perms(0777)) << c.what << ": left as it was";
        }
    }
}

TEST(PrivateDirectory, MadeWithItsParentsForThisUserAlone) {
    TempDir dir;
    const mode_t oldMask = ::umask(0); // even with nothing masked
    const bool made = createPrivateDirectories(dir / "config/rusrina");
    ::umask(oldMask);
    ASSERT_TRUE(made);
    EXPECT_EQ(permissionsOf(dir / "config"), fs::perms(0700));
    EXPECT_EQ(permissionsOf(dir / "config/rusrina"), fs::perms(0700));
    EXPECT_TRUE(isPrivateDirectory(dir / "config/rusrina"));
    writeAll(dir / "a-file", "");
    EXPECT_FALSE(createPrivateDirectories(dir / "a-file/rusrina"));
}
