// TrueType fonts through SDL_ttf. "Arial" (and every other face) is served by
// Liberation Sans, which shares Arial's metrics; without it any TrueType font
// on the system will do.
#include "platform/draw/font.h"

#include <SDL_ttf.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>
#include <tuple>

#include "platform/draw/sdl_draw.h"

namespace sd::platform {

namespace fs = std::filesystem;

struct Font::Impl {
    std::shared_ptr<TTF_Font> font;
    std::string error;
};

namespace {

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Any .ttf under dir, DejaVu Sans preferred, then the first in name order.
std::string AnyTrueType(const fs::path& dir, bool bold) {
    std::error_code ec;
    std::string best;
    const std::string wanted = bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
    for (fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != ".ttf" || !IsFile(p)) continue;
        if (p.filename() == wanted) return p.string();
        if (best.empty() || p.string() < best) best = p.string();
    }
    return best;
}

std::string SearchFontFile(bool bold) {
    const char* file = bold ? "LiberationSans-Bold.ttf" : "LiberationSans-Regular.ttf";
    for (const char* dir : {"/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/liberation2",
                            "/usr/share/fonts/liberation", "/usr/share/fonts/liberation-sans",
                            "/usr/share/fonts/TTF", "/usr/local/share/fonts"}) {
        const fs::path p = fs::path(dir) / file;
        if (IsFile(p)) return p.string();
    }
    for (const char* dir : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
        std::string any = AnyTrueType(dir, bold);
        if (!any.empty()) return any;
    }
    return {};
}

// The search walks the font folders; it is done once for each weight.
std::string FindFontFile(bool bold) {
    static const std::string regular = SearchFontFile(false);
    static const std::string boldFace = SearchFontFile(true);
    return bold ? boldFace : regular;
}

// A font file mapped into memory once: every size of a face then reads the
// same pages. Opened from the file instead, FreeType seeks and reads for each
// table of each size, some two thousand system calls at start. A package
// update replaces the file rather than rewriting it, so the mapping stays
// valid while the game runs. Null when the file cannot be mapped; the font
// is then opened from the file as before.
struct MappedFont {
    const void* data = nullptr;
    int size = 0;
};

const MappedFont& MapFontFile(const std::string& file) {
    static std::map<std::string, MappedFont> maps;
    if (auto it = maps.find(file); it != maps.end()) return it->second;
    MappedFont m;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size < INT_MAX) {
            void* p = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (p != MAP_FAILED) {
                m.data = p;
                m.size = static_cast<int>(st.st_size);
            }
        }
        ::close(fd);
    }
    return maps.emplace(file, m).first->second;
}

// Point sizes such as 7.8 pt are not whole numbers. SDL_ttf takes whole points
// but any resolution, so the size goes in as twelfths of a point at 96/12 dpi:
// the pixel size is exactly the one of the fractional size at 96 dpi.
constexpr int kSubPoints = 12;

std::shared_ptr<TTF_Font> OpenCached(const std::string& file, double points, std::string* error) {
    static std::map<std::tuple<std::string, int>, std::shared_ptr<TTF_Font>> cache;
    const int twelfths = std::max(1, static_cast<int>(std::lround(points * kSubPoints)));
    auto key = std::make_tuple(file, twelfths);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    const MappedFont& mapped = MapFontFile(file);
    TTF_Font* raw = nullptr;
    if (SDL_RWops* rw = mapped.data ? SDL_RWFromConstMem(mapped.data, mapped.size) : nullptr)
        raw = TTF_OpenFontDPIRW(rw, 1, twelfths, 96 / kSubPoints, 96 / kSubPoints);
    else
        raw = TTF_OpenFontDPI(file.c_str(), twelfths, 96 / kSubPoints, 96 / kSubPoints);
    if (!raw) {
        *error = "Cannot open font " + file + ": " + TTF_GetError();
        return nullptr;
    }
    // Fonts live as long as the process: they are few and shared by many labels.
    std::shared_ptr<TTF_Font> font(raw, [](TTF_Font*) {});
    cache.emplace(key, font);
    return font;
}

}  // namespace

Font::Font() : impl_(std::make_unique<Impl>()) { impl_->error = "no font opened"; }
Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

Font Font::open(const std::string& face, double points, bool bold) {
    (void)face;  // every face is served by the one sans-serif family
    Font f;
    f.impl_->error.clear();
    if (!detail::EnsureTtf()) {
        f.impl_->error = std::string("The font library could not start: ") + TTF_GetError();
        return f;
    }
    if (!(points > 0.0) || points > 1000.0) {
        f.impl_->error = "Unusable font size";
        return f;
    }
    const std::string file = FindFontFile(bold);
    if (file.empty()) {
        f.impl_->error = "No TrueType font found (install fonts-liberation)";
        return f;
    }
    f.impl_->font = OpenCached(file, points, &f.impl_->error);
    return f;
}

bool Font::valid() const { return impl_ && impl_->font != nullptr; }

const std::string& Font::error() const {
    static const std::string moved = "moved-from font";
    return impl_ ? impl_->error : moved;
}

int Font::textWidth(std::string_view text) const {
    if (!valid() || text.empty()) return 0;
    int w = 0, h = 0;
    if (TTF_SizeUTF8(impl_->font.get(), detail::Win1252ToUtf8(text).c_str(), &w, &h) != 0) return 0;
    return w;
}

int Font::utf8TextWidth(std::string_view text) const {
    if (!valid() || text.empty()) return 0;
    int w = 0, h = 0;
    if (TTF_SizeUTF8(impl_->font.get(), std::string(text).c_str(), &w, &h) != 0) return 0;
    return w;
}

int Font::textHeight(std::string_view text) const {
    if (!valid()) return 0;
    (void)text;  // one line: the height is the font's line height
    return TTF_FontHeight(impl_->font.get());
}

void* Font::native() const { return valid() ? impl_->font.get() : nullptr; }

}  // namespace sd::platform
