// Writes the demo company database at growing sizes and prints how long each took and the rate of movement
// lines per second. Usage: bench_demo_db [lines per company ...]; by default 20000 and 333334 (a million
// lines over the three companies).

#include "company/DemoDatabase.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr long companies = 3;

void measure(long linesPerCompany, const std::string& path)
{
    company::DemoOptions options;
    options.linesPerCompany = linesPerCompany;
    options.replaceExisting = true;
    auto start = std::chrono::steady_clock::now();
    company::createDemoDatabase(path, options);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long lines = linesPerCompany * companies;
    auto bytes = std::filesystem::file_size(path);
    std::printf("%10ld lines  %8.2f s  %10.0f lines/s  %8.1f MB\n", lines, seconds, static_cast<double>(lines) / seconds,
                static_cast<double>(bytes) / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {20000, 333334};
    std::string path = (std::filesystem::temp_directory_path() / "quorvane_bench_demo.db").string();
    std::printf("demo company database, %ld companies, written to %s\n", companies, path.c_str());
    for (long size : sizes)
        measure(size, path);
    std::filesystem::remove(path);
    return 0;
}
