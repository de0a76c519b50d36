// Sorts arbitrary words (the input split at NUL bytes) into options and operands against
// tarvo-convert's kinds of options. A parse either fails with a reason, or accounts for
// every word: each is an operand, an option, an option's value, or the "--" that ends
// the options.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "convert/CommandLine.h"

namespace {

constexpr CCommandLine::Option kOptions[] = {
    {"help", false}, {"raw", false}, {"x", false}, {"file", true}, {"precision", true},
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string> SplitAtNul(std::string_view bytes) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\0'); end != std::string_view::npos;
         start = end + 1, end = bytes.find('\0', start)) {
        words.emplace_back(bytes.substr(start, end - start));
    }
    words.emplace_back(bytes.substr(start));
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args =
        SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));
    CCommandLine commandLine;
    std::string error;
    if (!commandLine.Parse(args, kOptions, error)) {
        // The reason quotes the word as given, line breaks included.
        Require(!error.empty());
        return 0;
    }
    Require(error.empty());

    std::size_t optionWords = 0;
    bool sawEnd = false;
    for (const std::string& word : args) {
        if (word == "--" && !sawEnd) {
            sawEnd = true;
            ++optionWords;
        } else if (!sawEnd && word.size() > 2 && word.compare(0, 2, "--") == 0) {
            ++optionWords;
        }
    }
    Require(commandLine.Operands().size() <= args.size() - optionWords);
    for (const CCommandLine::Option& option : kOptions) {
        const std::string* value = commandLine.Value(option.name);
        Require(commandLine.Has(option.name) == (value != nullptr));
        if (value != nullptr && !option.takesValue) {
            Require(value->empty());
        }
    }
    return 0;
}
