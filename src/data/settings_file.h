#pragma once
#include "data/load_result.h"

namespace sd {
struct Context;
class IniFile;

// Reads the colour table from settings.dat, section "Colors". A file that
// cannot be read or an unusable colour count comes back as problems (then every
// colour is black).
LoadResult LoadSettings(Context& ctx);
// The same from a settings.dat read already (IniFile::load or parse).
LoadResult LoadSettings(Context& ctx, const IniFile& settings);

}  // namespace sd
