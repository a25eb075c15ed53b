// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartTool.h"
#include "cli/OutputBuffer.h"

#include <iostream>
#include <new>
#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    tessaline::cli::DescriptorBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    try {
        const int code = tessaline::cli::RunChartTool(argc, argv, std::cin, out, std::cerr);
        out.flush();
        return code;
    } catch (const std::bad_alloc&) {
        // Whatever was being done, it cannot go on: a failure of the run, not of a row. One line, never an abort.
        out.flush();
        std::cerr << "tessaline-chart: not enough memory: the run stopped; give the tool more memory, or fewer "
                     "--jobs\n";
        return tessaline::cli::kExitNoMemory;
    }
}
