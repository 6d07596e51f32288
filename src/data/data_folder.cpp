#include "data/data_folder.h"

#include <filesystem>

namespace sd {

std::string DataFolder(const std::string& programDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(fs::path(programDir) / "worlds.dat", ec)) return programDir;
    // Normalised, so that a message about a missing file names a plain path.
    std::string installed = (fs::path(programDir) / "../share/games/sternenduell").lexically_normal().string();
    while (installed.size() > 1 && installed.back() == '/') installed.pop_back();
    return installed;
}

}  // namespace sd
