// Runs a fuzz target without libFuzzer: once over each file named, and over
// each file of each directory named, in name order. `--only .bmp` takes only
// the files ending so. Exits 1 when it found no file at all (a wrong path
// would otherwise pass), and stops at the first broken promise like libFuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::string only;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--only" && i + 1 < argc) {
            only = argv[++i];
            continue;
        }
        std::vector<fs::path> found;
        if (fs::is_directory(arg)) {
            for (const auto& e : fs::recursive_directory_iterator(arg)) {
                if (e.is_regular_file()) found.push_back(e.path());
            }
        } else {
            found.push_back(arg);
        }
        std::sort(found.begin(), found.end());
        for (const fs::path& p : found) {
            const std::string name = p.filename().string();
            if (only.empty() || (name.size() >= only.size() && name.compare(name.size() - only.size(), only.size(), only) == 0)) {
                files.push_back(p);
            }
        }
    }
    for (const fs::path& p : files) {
        std::ifstream in(p, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::printf("%s\n", p.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs\n", files.size());
    return files.empty() ? 1 : 0;
}
