#include "tools/winsupport/result_file.h"

#include <windows.h>

#include <string>

#include "tools/winsupport/bench_clock.h"

namespace winsupport {

std::FILE* OpenResultFile(const char* path) {
    const std::string text(path);
    // Every folder on the way, from the top; the ones that exist already are left as they are.
    for (size_t slash = text.find_first_of("\\/", 3); slash != std::string::npos;
         slash = text.find_first_of("\\/", slash + 1))
        CreateDirectoryA(text.substr(0, slash).c_str(), nullptr);
    std::FILE* file = std::fopen(path, "w");
    if (!file)
        std::fprintf(stderr, "cannot write the results to %s (error %lu)\n", path, GetLastError());
    return file;
}

void WriteFigure(std::FILE* out, const char* key, double value, const char* unit) {
    std::fprintf(out, "figure %s %.3f %s\n", key, value, unit);
}

void WriteFloor(std::FILE* out, const char* key, double value, const char* unit) {
    std::fprintf(out, "floor %s %.3f %s\n", key, value, unit);
}

void WriteLatencyFigures(std::FILE* out, const std::string& key, const std::vector<double>& samples,
                         const std::vector<double>& floor, const char* unit) {
    for (const auto& [suffix, fraction] : {std::make_pair("_median", 0.5), std::make_pair("_p99", 0.99)}) {
        WriteFigure(out, (key + suffix).c_str(), Percentile(samples, fraction), unit);
        WriteFloor(out, (key + suffix).c_str(), Percentile(floor, fraction), unit);
    }
}

}  // namespace winsupport
