#pragma once
// The cases a fixture's exceptions file lists: "case,reason" lines, '#' comments and the header
// line skipped; none when the file cannot be opened.

#include <fstream>
#include <map>
#include <string>

namespace rusrina {

inline std::map<std::string, std::string> listedCases(const std::string& path) {
    std::map<std::string, std::string> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("case,", 0) == 0)
            continue;
        const size_t comma = line.find(',');
        out[line.substr(0, comma)] = comma == std::string::npos ? "" : line.substr(comma + 1);
    }
    return out;
}

} // namespace rusrina
