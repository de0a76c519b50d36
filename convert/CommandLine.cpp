#include "convert/CommandLine.h"

#include <algorithm>

namespace {

const CCommandLine::Option* FindOption(std::span<const CCommandLine::Option> accepted,
                                       std::string_view name) {
    const auto it = std::find_if(accepted.begin(), accepted.end(),
                                 [name](const CCommandLine::Option& o) { return o.name == name; });
    return it == accepted.end() ? nullptr : &*it;
}

}  // namespace

bool CCommandLine::Parse(const std::vector<std::string>& args, std::span<const Option> accepted,
                         std::string& error) {
    m_options.clear();
    m_operands.clear();
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (operandsOnly || word.size() < 2 || word.compare(0, 2, "--") != 0) {
            m_operands.push_back(word);
            continue;
        }
        if (word == "--") {
            operandsOnly = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        const Option* option = FindOption(accepted, name);
        if (option == nullptr) {
            error = "unknown option '--" + name + "'";
            return false;
        }
        if (!option->takesValue) {
            if (equals != std::string::npos) {
                error = "option --" + name + " takes no value";
                return false;
            }
            m_options.emplace_back(name, std::string());
        } else if (equals != std::string::npos) {
            m_options.emplace_back(name, word.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            m_options.emplace_back(name, args[++i]);
        } else {
            error = "option --" + name + " needs a value";
            return false;
        }
    }
    return true;
}

bool CCommandLine::Has(std::string_view name) const {
    return Value(name) != nullptr;
}

const std::string* CCommandLine::Value(std::string_view name) const {
    const auto it = std::find_if(m_options.rbegin(), m_options.rend(),
                                 [name](const auto& option) { return option.first == name; });
    return it == m_options.rend() ? nullptr : &it->second;
}
