#pragma once

#include <string>
#include <vector>

// `zelvo-cli render FILE -o OUT.png [options]`: what the view paints, as a PNG or as printed
// pages, with a one-line JSON report of the extent and the settings.
class CRenderCommand {
public:
    static int Run(const std::vector<std::string>& args);
};
