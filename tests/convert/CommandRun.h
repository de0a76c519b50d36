#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "convert/ConvertCommand.h"

/// What one in-process run of tarvo-convert gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

/// Runs tarvo-convert with args, input as its standard input.
inline Outcome RunCommand(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = CConvertCommand(std::move(args), in, out, err).Run();
    return {status, out.str(), err.str()};
}
