#pragma once
// One PNG showing every generated picture at its own size with its name.
#include <string>
#include <vector>

namespace assetgen {

bool writeContactSheet(const std::string& fxDir, const std::vector<std::string>& files, const std::string& out);

}  // namespace assetgen
