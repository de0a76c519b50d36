#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// The words of a command line sorted into options and operands. Options are long only
/// ("--name", "--name VALUE" or "--name=VALUE"); every other word is an operand, so a
/// negative number such as -40 needs no quoting, and "--" makes all later words operands.
class CCommandLine {
public:
    /// One option a command accepts.
    struct Option {
        std::string_view name;  ///< without the leading "--"
        bool takesValue;
    };

    /// Sorts args against the accepted options; false, with a one-line reason in error,
    /// on an unknown option, a value missing from an option that needs one, or a value
    /// given to an option that takes none.
    bool Parse(const std::vector<std::string>& args, std::span<const Option> accepted,
               std::string& error);

    /// Whether the option was given at least once.
    bool Has(std::string_view name) const;
    /// The value of the option's last occurrence, or nullptr when it was not given.
    const std::string* Value(std::string_view name) const;
    const std::vector<std::string>& Operands() const { return m_operands; }

private:
    std::vector<std::pair<std::string, std::string>> m_options;
    std::vector<std::string> m_operands;
};
