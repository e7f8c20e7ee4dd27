#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

enum CliExitCode { CLI_EXIT_OK = 0, CLI_EXIT_NOT_DECODED = 1, CLI_EXIT_USAGE = 2 };

// The arguments of one subcommand: positional words, switches and options with a value.
class CCommandLine {
public:
    // Returns false and fills strError when an argument is unknown or an option lacks its value.
    bool Parse(const std::vector<std::string>& args, const std::set<std::string>& switches,
               const std::set<std::string>& valueOptions, std::string& strError);

    // True when the arguments ask for the command's usage rather than for its work.
    static bool AsksForHelp(const std::vector<std::string>& args);

    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
    // The option as a whole number, nDefault when absent; false when it is not a number in range.
    bool IntValue(const std::string& name, long long nDefault, long long nMin, long long& nValue,
                  std::string& strError) const;

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_values;
};
