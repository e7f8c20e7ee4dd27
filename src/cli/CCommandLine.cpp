#include "cli/CCommandLine.h"

#include <cerrno>
#include <cstdlib>

bool CCommandLine::Parse(const std::vector<std::string>& args, const std::set<std::string>& switches,
                         const std::set<std::string>& valueOptions, std::string& strError) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (switches.count(arg)) {
            m_values[arg] = "";
        } else if (valueOptions.count(arg)) {
            if (i + 1 >= args.size()) {
                strError = "option " + arg + " needs a value";
                return false;
            }
            m_values[arg] = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            strError = "unknown option " + arg;
            return false;
        } else {
            m_positional.push_back(arg);
        }
    }
    return true;
}

bool CCommandLine::AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

std::optional<std::string> CCommandLine::Value(const std::string& name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

bool CCommandLine::IntValue(const std::string& name, long long nDefault, long long nMin, long long& nValue,
                            std::string& strError) const {
    const std::optional<std::string> text = Value(name);
    if (!text) {
        nValue = nDefault;
        return true;
    }
    char* pEnd = nullptr;
    errno = 0;
    nValue = std::strtoll(text->c_str(), &pEnd, 10);
    if (text->empty() || *pEnd != '\0' || errno == ERANGE || nValue < nMin) {
        strError =
            name + " needs a whole number of at least " + std::to_string(nMin) + ", not \"" + *text + "\"";
        return false;
    }
    return true;
}
