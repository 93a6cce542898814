// Runs lorvane-cli with arguments and captures its output and exit status; a fixture for the
// files a run reads and writes.
#pragma once

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

/// Runs `lorvane-cli ARGS` through the shell; `args` is shell text (quote what needs it).
inline CliRun RunCli(const std::string& args) {
    static int counter = 0;
    // The process id keeps test processes that ctest runs side by side apart.
    const std::string errFile =
        "cli_stderr_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + ".txt";
    const std::string command = std::string("'") + LORVANE_CLI + "' " + args + " 2>" + errFile;
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = fopen(errFile.c_str(), "r")) {
        while ((n = fread(buffer.data(), 1, buffer.size(), err)) > 0)
            run.err.append(buffer.data(), n);
        fclose(err);
    }
    std::remove(errFile.c_str());
    return run;
}

/// A scratch folder for the files of one test, named for the command line's shell text.
class CliFiles : public testing::Test {
protected:
    [[nodiscard]] std::string Path(const std::string& name) const { return m_folder.Path(name); }
    /// The path in single quotes, as shell text.
    [[nodiscard]] std::string Quoted(const std::string& name) const {
        return "'" + Path(name) + "'";
    }
    /// The file's bytes, or "<none>" when it cannot be opened.
    [[nodiscard]] std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        if (!in)
            return "<none>";
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    /// Writes the file and returns its quoted path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(Path(name), std::ios::binary);
        out << bytes;
        out.close();
        EXPECT_TRUE(out) << "cannot write " << Path(name);
        return Quoted(name);
    }

private:
    ScratchFolder m_folder{"cli"};
};
