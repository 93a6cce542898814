// Writing a whole file or nothing.
#include "reports/FileWriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return "Cannot create file \"" + path + "\".";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return "Cannot write file \"" + path + "\".";
    }
    return std::nullopt;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
