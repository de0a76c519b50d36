#include <iostream>
#include <string>
#include <vector>

#include "convert/ConvertCommand.h"

int main(int argc, char* argv[]) {
    return CConvertCommand(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                           std::cerr)
        .Run();
}
