#include "cli/CCommandLine.h"
#include "cli/CInfoCommand.h"
#include "cli/CRenderCommand.h"
#include "cli/CSamplesCommand.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* USAGE = R"(usage: zelvo-cli COMMAND FILE [options]

Commands:
  info FILE [--json]          frames, channels, attributes and events of a recording
  samples FILE [--frame F] [--channel C[,C...]] [--from N] [--count M]
                              decoded raw 16-bit samples as CSV
  render FILE -o OUT.png|OUT.pdf [options]
                              what the viewer draws, as an image or printed pages,
                              with a JSON report (zelvo-cli render --help)

Exit status: 0 decoded, 1 the file does not decode, 2 usage or I/O error.
)";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << USAGE;
        return CLI_EXIT_USAGE;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << USAGE;
        return CLI_EXIT_OK;
    }
    if (command == "info")
        return CInfoCommand::Run(args);
    if (command == "samples")
        return CSamplesCommand::Run(args);
    if (command == "render")
        return CRenderCommand::Run(args);
    std::cerr << "zelvo-cli: unknown command \"" << command << "\"\n" << USAGE;
    return CLI_EXIT_USAGE;
}
