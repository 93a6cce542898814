// lorvane-cli: builds a map from the command line and runs one command on it.
#include "cli/Commands.h"
#include "cli/MinimizeCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    if (const auto error = parseCommandLine(args, options)) {
        std::cerr << "lorvane-cli: " << *error << '\n'
                  << "usage: lorvane-cli COMMAND [ARGS] [MAP OPTIONS]  (lorvane-cli --help)\n";
        return 2;
    }
    if (options.help || args.empty()) {
        std::cout << usageText();
        return options.help ? 0 : 2;
    }
    // minimize works on the functions of its file, never on a map.
    if (options.command == "minimize")
        return minimizeCommand(options, std::cout);
    CliContext ctx(std::cout);
    if (const int status = buildMap(ctx, options))
        return status;
    return runCommand(ctx, options);
}
