#pragma once
// The lines of a gzip-compressed fixture, without their line ends; none when the file cannot be
// opened (the tests that read it then fail on the count they expect).

#include <zlib.h>

#include <string>
#include <vector>

namespace rusrina {

inline std::vector<std::string> gzipLines(const std::string& path) {
    std::vector<std::string> lines;
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file)
        return lines;
    std::string line;
    char buffer[8192];
    while (gzgets(file, buffer, sizeof buffer)) {
        line += buffer;
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty())
        lines.push_back(line);
    gzclose(file);
    return lines;
}

} // namespace rusrina
