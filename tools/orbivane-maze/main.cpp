#include "MazeTool.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    orbivane::SystemSecondsClock clock;
    return orbivane::RunMazeTool(args, std::cout, std::cerr, clock);
}
