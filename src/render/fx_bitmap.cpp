#include "render/fx_bitmap.h"

#include "data/context.h"

namespace sd {

platform::Surface LoadFxBitmap(const Context& ctx, const std::string& relative, LoadResult& result,
                               const std::string& consequence) {
    const std::string file = ctx.path(relative);
    platform::Surface picture = platform::Surface::loadBmp(file);
    if (picture.empty()) {
        // Windows-1252, like every text of the game.
        std::string message = "Die Grafikdatei \"" + file + "\" fehlt oder ist besch\xE4" "digt.";
        if (!consequence.empty()) message += " " + consequence;
        result.add(std::move(message));
    }
    return picture;
}

}  // namespace sd
