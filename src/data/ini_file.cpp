// The INI reader behind every data file of the game. The whole file is parsed
// once; a lookup is then two hash look-ups. The rules are those of the classic
// Windows profile lookup the data files were written for:
//  - lines end at '\n'; blanks (and a '\r' of CRLF ends) around a line are ignored;
//  - a UTF-8 byte-order mark at the very start is skipped;
//  - "[name]" opens a section (up to the last ']' of the line); a '[' line
//    without ']' is ignored;
//  - "key=value" gives a value; lines without '=' and lines starting with ';'
//    are ignored, as are values before the first section;
//  - section and key names compare without regard to (ASCII) case;
//  - when a section name occurs twice, only its first block is seen, and within
//    a section the first line of a key wins;
//  - the value is trimmed, loses one pair of matching quotes (' or ") and is
//    cut after kIniValueMax characters.
// Bytes are kept as they are (the files are Windows-1252).
#include "data/ini_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace sd {

struct IniFile::Data {
    // lower-cased section name -> (lower-cased key -> value)
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections;
};

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

std::string Lower(std::string_view t) {
    std::string s(t);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// The value as a lookup returns it: without its pair of quotes, cut to the
// length of the reading buffer.
std::string LookupValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    if (v.size() > kIniValueMax) v = v.substr(0, kIniValueMax);
    return std::string(v);
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    auto data = std::make_shared<Data>();
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::unordered_map<std::string, std::string>* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos) continue;
            // The first block of a section name is the one that counts.
            const auto [it, inserted] = data->sections.try_emplace(Lower(Trim(line.substr(1, close - 1))));
            current = inserted ? &it->second : nullptr;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == nullptr) continue;
        current->try_emplace(Lower(Trim(line.substr(0, eq))), LookupValue(Trim(line.substr(eq + 1))));
    }

    IniFile f;
    f.data_ = std::move(data);
    f.exists_ = true;
    return f;
}

IniFile IniFile::load(const std::string& path) {
    // A directory of that name opens on Linux but is no file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return IniFile{};
    std::ifstream in(path, std::ios::binary);
    if (!in) return IniFile{};
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return parse(content);
}

std::string IniFile::value(const std::string& section, const std::string& key) const {
    if (!data_) return {};
    const auto s = data_->sections.find(Lower(section));
    if (s == data_->sections.end()) return {};
    const auto k = s->second.find(Lower(key));
    return k == s->second.end() ? std::string{} : k->second;
}

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key) {
    return IniFile::load(file).value(section, key);
}

}  // namespace sd
