#include "platform/draw/bitmap_files.h"
#include "render/fx_bitmap.h"

#include "data/context.h"
#include "data/message_text.h"

namespace sd {

namespace {

std::string SizeText(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

}  // namespace

// Texts in Windows-1252, like every text of the game.
std::string WrongSizeMessage(const std::string& file, bool cells, int width, int height, const SizeRule& rule) {
    std::string wanted = SizeText(rule.minWidth, rule.minHeight);
    if (rule.minWidth != rule.maxWidth || rule.minHeight != rule.maxHeight) {
        wanted += " bis " + SizeText(rule.maxWidth, rule.maxHeight);
    }
    const std::string shown = PathForMessage(file);
    const std::string subject = cells ? "Die Bilder der Grafikdatei \"" + shown + "\" sind "
                                      : "Die Grafikdatei \"" + shown + "\" ist ";
    return subject + SizeText(width, height) + " Pixel gro\xDF; gebraucht werden " + wanted + " Pixel.";
}

platform::Surface LoadFxBitmap(const Context& ctx, const std::string& relative, LoadResult& result,
                               const std::string& consequence, const SizeRule& rule) {
    const std::string file = ctx.path(relative);
    platform::Surface picture = platform::LoadBmp(file);
    std::string message;
    if (picture.empty()) {
        message = "Die Grafikdatei \"" + PathForMessage(file) + "\" fehlt oder ist besch\xE4" "digt.";
    } else if (!rule.allows(picture.width(), picture.height())) {
        message = WrongSizeMessage(file, false, picture.width(), picture.height(), rule);
        picture = platform::Surface();
    } else {
        return picture;
    }
    if (!consequence.empty()) message += " " + consequence;
    result.add(std::move(message));
    return picture;
}

}  // namespace sd
