// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const int code = tessaline::cli::RunChartTool(argc, argv, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
