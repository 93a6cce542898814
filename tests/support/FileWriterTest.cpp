// The file writer and the bounded readers under faults: traps in the folder, odd targets,
// read-only files, full devices, concurrent writers, endless sources.
#include "support/FileWriter.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string read(const std::string& path) {
    return readWholeFile(path).value_or("<unreadable>");
}

mode_t modeOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode;
}

/// The names in `folder` that are not in `expected`: what a write left behind.
std::vector<std::string> strayEntries(const std::string& folder,
                                      const std::vector<std::string>& expected) {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            stray.push_back(name);
    }
    return stray;
}

/// Runs `body` in a child process as the user nobody; its return value is the exit status.
int asNobody(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FileWriter : public testing::Test {
protected:
    ScratchFolder folder{"writer"};
    std::string Path(const std::string& name) const { return folder.Path(name); }
    std::string Folder() const { return fs::path(Path("x")).parent_path().string(); }
};

TEST_F(FileWriter, KeepsPermissionsAndGivesNewFilesTheUmask) {
    const std::string target = Path("private.lvn");
    ASSERT_FALSE(writeFileAtomically(target, "old"));
    ::chmod(target.c_str(), 0600);
    ASSERT_FALSE(writeFileAtomically(target, "new"));
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(modeOf(target) & 07777, 0600U);
    // Root writing another user's file leaves it theirs.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
        ASSERT_FALSE(writeFileAtomically(target, "newer"));
        struct stat status {};
        ::stat(target.c_str(), &status);
        EXPECT_EQ(status.st_uid, 65534U);
        EXPECT_EQ(status.st_gid, 65534U);
    }

    const mode_t before = ::umask(027);
    const auto error = writeFileAtomically(Path("fresh.lvn"), "x");
    ::umask(before);
    ASSERT_FALSE(error);
    EXPECT_EQ(modeOf(Path("fresh.lvn")) & 07777, 0640U);
    EXPECT_TRUE(strayEntries(Folder(), {"private.lvn", "fresh.lvn"}).empty());
}

TEST_F(FileWriter, RefusesReadOnlyTargetsAndFoldersWithTheReason) {
    // Read-only by its mode bits: refused for every user, root included.
    const std::string target = Path("ro.lvn");
    ASSERT_FALSE(writeFileAtomically(target, "kept"));
    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(writeFileAtomically(target, "new"),
              "Cannot write file \"" + target + "\": Permission denied (the file is read-only)");
    EXPECT_EQ(writeRefusal(target), writeFileAtomically(target, "new"));
    EXPECT_EQ(read(target), "kept");
    EXPECT_EQ(modeOf(target) & 07777, 0444U);

    // A folder nobody may write: root may, so the case is run as the user nobody.
    ::chmod(Folder().c_str(), 0755);
    const std::string locked = Path("locked");
    fs::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    const auto refuse = [&] {
        const std::string inside = locked + "/new.lvn";
        const auto error = writeFileAtomically(inside, "x");
        const bool refused = error == "Cannot write file \"" + inside + "\": Permission denied" &&
                             writeRefusal(inside) == error && !fs::exists(inside);
        return refused ? 0 : 1;
    };
    EXPECT_EQ(::geteuid() == 0 ? asNobody(refuse) : refuse(), 0);
    EXPECT_TRUE(fs::is_empty(locked));
    EXPECT_EQ(writeFileAtomically(Path("none/x.lvn"), "x"),
              "Cannot write file \"" + Path("none/x.lvn") + "\": No such file or directory");
    fs::create_directory(Path("dir"));
    EXPECT_EQ(writeFileAtomically(Path("dir"), "x"),
              "Cannot write file \"" + Path("dir") + "\": Is a directory");
}

TEST_F(FileWriter, WritesThroughLinksAndRefusesALinkToNothing) {
    fs::create_directory(Path("sub"));
    ASSERT_FALSE(writeFileAtomically(Path("real.lvn"), "old"));
    ::chmod(Path("real.lvn").c_str(), 0600);
    fs::create_symlink("../real.lvn", Path("sub/hop"));
    fs::create_symlink("sub/hop", Path("link.lvn"));
    ASSERT_FALSE(writeFileAtomically(Path("link.lvn"), "new"));
    EXPECT_TRUE(fs::is_symlink(Path("link.lvn")));
    EXPECT_TRUE(fs::is_symlink(Path("sub/hop")));
    EXPECT_EQ(read(Path("real.lvn")), "new");
    EXPECT_EQ(modeOf(Path("real.lvn")) & 07777, 0600U);

    fs::create_symlink("gone.lvn", Path("dangling.lvn"));
    EXPECT_EQ(writeFileAtomically(Path("dangling.lvn"), "x"),
              "Cannot write file \"" + Path("dangling.lvn") + "\": it is a link to \"" +
                  Path("gone.lvn") + "\", which does not exist.");
    EXPECT_FALSE(fs::exists(Path("gone.lvn")));
}

TEST_F(FileWriter, PlantedNamesAreNeverWrittenThroughNorTaken) {
    ASSERT_FALSE(writeFileAtomically(Path("victim"), "secret"));
    ::chmod(Path("victim").c_str(), 0600);
    fs::create_symlink(Path("victim"), Path("out.htm.part"));
    ASSERT_FALSE(writeFileAtomically(Path("keep.lvn.part"), "precious"));
    ASSERT_FALSE(writeFileAtomically(Path("out.htm"), "page"));
    ASSERT_FALSE(writeFileAtomically(Path("keep.lvn"), "map"));
    EXPECT_EQ(read(Path("victim")), "secret");
    EXPECT_EQ(read(Path("keep.lvn.part")), "precious");
    EXPECT_TRUE(fs::is_symlink(Path("out.htm.part")));

    // Temporaries of this target: one a killed process left an hour ago is cleaned; a fresh
    // one, and an old one of a live process, may belong to a writer at work and stay.
    const pid_t dead = [] {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }();
    const auto temporary = [&](pid_t pid, const char* random) {
        return ".keep.lvn." + std::to_string(pid) + "-" + random + ".lvtmp";
    };
    const std::string stale = temporary(dead, "aaaaaaaaaa");
    const std::string fresh = temporary(dead, "bbbbbbbbbb");
    const std::string live = temporary(::getppid(), "cccccccccc");
    for (const std::string& name : {stale, fresh, live})
        ASSERT_FALSE(writeFileAtomically(Path(name), "left"));
    const timeval old[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
    ::utimes(Path(stale).c_str(), old);
    ::utimes(Path(live).c_str(), old);
    ASSERT_FALSE(writeFileAtomically(Path("keep.lvn"), "map again"));
    EXPECT_FALSE(fs::exists(Path(stale)));
    EXPECT_TRUE(fs::exists(Path(fresh)));
    EXPECT_TRUE(fs::exists(Path(live)));
    EXPECT_EQ(strayEntries(Folder(), {"victim", "out.htm.part", "keep.lvn.part", "out.htm",
                                      "keep.lvn", fresh, live}),
              std::vector<std::string>{});
}

TEST_F(FileWriter, DevicesFifosAndOwnStreamsAreWrittenInPlace) {
    EXPECT_FALSE(writeFileAtomically("/dev/null", "nothing"));
    EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")));
    EXPECT_EQ(writeFileAtomically("/dev/full", "x"),
              "Cannot write file \"/dev/full\": No space left on device");

    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const pid_t reader = ::fork();
    if (reader == 0)
        ::_exit(readWholeFile(fifo) == "through the fifo" ? 0 : 1);
    EXPECT_FALSE(writeFileAtomically(fifo, "through the fifo"));
    int status = 0;
    ::waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_FALSE(writeFileAtomically("/dev/fd/" + std::to_string(pipeEnds[1]), "piped"));
    ::close(pipeEnds[1]);
    EXPECT_EQ(readWholeFile("/proc/self/fd/" + std::to_string(pipeEnds[0])), "piped");
    ::close(pipeEnds[0]);
}

TEST_F(FileWriter, HardLinksAreKeptByWritingInPlace) {
    ASSERT_FALSE(writeFileAtomically(Path("one.lvn"), "old"));
    fs::create_hard_link(Path("one.lvn"), Path("two.lvn"));
    ASSERT_FALSE(writeFileAtomically(Path("one.lvn"), "a longer new content"));
    ASSERT_FALSE(writeFileAtomically(Path("two.lvn"), "short"));
    EXPECT_EQ(read(Path("one.lvn")), "short");
    EXPECT_EQ(fs::hard_link_count(Path("one.lvn")), 2U);
}

TEST_F(FileWriter, ConcurrentWritersLeaveOneWholeOutput) {
    constexpr int kWriters = 200;
    const std::string target = Path("shared.htm");
    // Every writer's content is its own letter repeated to a length of its own.
    const auto content = [](int writer) {
        return std::string(static_cast<std::size_t>(100 + writer * 257),
                           static_cast<char>('A' + writer % 26));
    };
    const auto whole = [&](const std::string& bytes) {
        for (int writer = 0; writer < kWriters; ++writer)
            if (bytes == content(writer))
                return true;
        return false;
    };
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(writeFileAtomically(target, content(writer)) ? 1 : 0);
        writers.push_back(pid);
    }
    int mixed = 0;
    for (int look = 0; look < 200; ++look)
        if (const auto bytes = readWholeFile(target); bytes && !whole(*bytes))
            ++mixed;
    int failed = 0;
    for (const pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        failed += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    }
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(mixed, 0);
    EXPECT_TRUE(whole(read(target)));
    EXPECT_EQ(strayEntries(Folder(), {"shared.htm"}), std::vector<std::string>{});
}

// --- bounded reads ----------------------------------------------------------------------------

TEST_F(FileWriter, ReadersStopAtTheirLimitAndRefuseFolders) {
    const FileRead zero = readFileLimited("/dev/zero", 4096);
    EXPECT_TRUE(zero.truncated);
    EXPECT_EQ(zero.bytes, std::string(4096, '\0'));
    EXPECT_FALSE(zero.error);

    fs::create_directory(Path("dir"));
    const FileRead dir = readFileLimited(Path("dir"), 100);
    EXPECT_EQ(dir.error, "Cannot read file \"" + Path("dir") + "\": Is a directory");
    EXPECT_TRUE(readFileLimited(Path("missing"), 100).missing);

    ASSERT_FALSE(writeFileAtomically(Path("ten"), "0123456789"));
    EXPECT_EQ(readWholeFile(Path("ten"), 10), "0123456789");
    std::string error;
    EXPECT_FALSE(readWholeFile(Path("ten"), 9, &error));
    EXPECT_EQ(error, "Cannot read file \"" + Path("ten") + "\": it holds more than 9 bytes.");

    // A FIFO whose writer never stops: the reader takes its limit and leaves.
    const std::string fifo = Path("endless");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        std::signal(SIGPIPE, SIG_DFL);
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        const std::string block(65536, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::_exit(0);
    }
    const FileRead endless = readFileLimited(fifo, std::size_t{4} << 20);
    ::waitpid(writer, nullptr, 0);
    EXPECT_TRUE(endless.truncated);
    EXPECT_EQ(endless.bytes.size(), std::size_t{4} << 20);
}

} // namespace
