// The program folder and the paths of the data files below it.
#include "support/ProgramPath.h"

#include "support/TextUtil.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

/// The entry of `dir` named `name`: the exact name when it exists, else the first entry whose
/// name differs only in letter case, else `name` itself.
std::string findEntry(const fs::path& dir, const std::string& name) {
    std::error_code error;
    if (fs::exists(dir / name, error))
        return name;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name))
            return entry;
    }
    return name;
}

} // namespace

std::string resolveProgramPath(const std::string& folder, const std::string& relative) {
    fs::path path = folder.empty() ? fs::path(".") : fs::path(folder);
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find_first_of("\\/", start), relative.size());
        const std::string part = relative.substr(start, end - start);
        if (!part.empty())
            path /= findEntry(path, part);
        start = end + 1;
    }
    return path.string();
}

std::string executableFolder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || !self.has_parent_path())
        return "./";
    return self.parent_path().string() + "/";
}
