// lorvane-cli: builds a map from the command line and runs one command on it.
#include "cli/Commands.h"
#include "cli/StandardOutput.h"

#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

/// Gives a closed standard stream a stand-in that refuses every use: reading from a
/// write-only /dev/null and writing to a read-only one fail, so a closed standard output is
/// reported, and no file the program opens can take the stream's number.
void holdClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        const int standIn = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (standIn >= 0 && standIn != fd) {
            ::dup2(standIn, fd);
            ::close(standIn);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    StandardOutputBuffer buffer;
    std::ostream out(&buffer);
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    if (args.empty()) {
        out << usageText();
        return 2;
    }
    if (const auto error = parseCommandLine(args, commandTable(), options))
        return usageError(*error);
    if (options.help) {
        out << (options.command.empty() ? usageText() : commandUsage(options.command));
        return outputReached(out) ? 0 : 1;
    }
    CliContext ctx(out);
    return runCommand(ctx, options);
}
