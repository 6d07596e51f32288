// sternenduell-trajectory: see trajectory_tool.h.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "data/data_folder.h"
#include "trajectory_tool.h"

namespace {

// The folder of this program: the build puts the game's worlds.dat beside it,
// an install under ../share/games/sternenduell (DataFolder).
std::string ProgramDir(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) self = fs::weakly_canonical(fs::path(argv0), ec);
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return sd::trajectory::RunTool(args, sd::DataFolder(ProgramDir(argc > 0 ? argv[0] : "")), std::cout, std::cerr);
}
