// The INI reader behind every data file of the game. The rules are those of the
// classic Windows profile lookup the data files were written for:
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
//
// The parsed file keeps its text; every name and value is a view into it, and
// the names are kept sorted without regard to case. A lookup is two binary
// searches that compare in place: no lower-cased copies, no allocation. The
// game start, the title's previews and the fuzzer all look up far more often
// than they parse.
#include "data/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace sd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

unsigned char Fold(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

// Three-way comparison without regard to ASCII case.
int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The value as a lookup returns it: without its pair of quotes, cut to the
// length of the reading buffer.
std::string_view LookupValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v.substr(0, kIniValueMax);
}

constexpr uint32_t kUnseen = UINT32_MAX;

}  // namespace

struct IniFile::Data {
    struct Section {
        std::string_view name;
        uint32_t block;  // the number of its "[...]" line among all of them
    };
    struct Entry {
        uint32_t block;
        std::string_view key;
        std::string_view value;
    };

    std::string text;               // everything below points into it
    std::vector<Section> sections;  // by name (without regard to case), the first block of each
    std::vector<Entry> entries;     // by block, then key; the first line of a key first
};

IniFile IniFile::parse(std::string_view text) { return parseText(std::string(text)); }

IniFile IniFile::parseText(std::string owned) {
    auto data = std::make_shared<Data>();
    data->text = std::move(owned);
    std::string_view text = data->text;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::vector<Data::Section> blocks;
    uint32_t current = kUnseen;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos) continue;
            current = static_cast<uint32_t>(blocks.size());
            blocks.push_back({Trim(line.substr(1, close - 1)), current});
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == kUnseen) continue;
        data->entries.push_back({current, Trim(line.substr(0, eq)), LookupValue(Trim(line.substr(eq + 1)))});
    }

    // Only the first block of a section name counts: sorting keeps the file's
    // order among equal names, so the first of each run is the one to keep.
    const auto byName = [](const Data::Section& a, const Data::Section& b) {
        return CompareNoCase(a.name, b.name) < 0;
    };
    std::stable_sort(blocks.begin(), blocks.end(), byName);
    std::vector<bool> seen(blocks.size(), false);
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && CompareNoCase(blocks[i - 1].name, blocks[i].name) == 0) continue;
        seen[blocks[i].block] = true;
        data->sections.push_back(blocks[i]);
    }
    std::erase_if(data->entries, [&seen](const Data::Entry& e) { return !seen[e.block]; });
    std::stable_sort(data->entries.begin(), data->entries.end(), [](const Data::Entry& a, const Data::Entry& b) {
        if (a.block != b.block) return a.block < b.block;
        return CompareNoCase(a.key, b.key) < 0;
    });

    IniFile f;
    f.data_ = std::move(data);
    f.exists_ = true;
    f.status_ = {};
    return f;
}

IniFile IniFile::load(const std::string& path) {
    FileRead read = ReadDataFile(path);
    IniFile f;
    if (read.status.fault == ReadFault::None) f = parseText(std::move(read.text));
    f.status_ = read.status;
    f.path_ = path;
    return f;
}

std::string_view IniFile::find(std::string_view section, std::string_view key) const {
    if (!data_) return {};
    const auto& sections = data_->sections;
    const auto s = std::partition_point(sections.begin(), sections.end(), [section](const Data::Section& x) {
        return CompareNoCase(x.name, section) < 0;
    });
    if (s == sections.end() || CompareNoCase(s->name, section) != 0) return {};
    const auto& entries = data_->entries;
    const uint32_t block = s->block;
    const auto e = std::partition_point(entries.begin(), entries.end(), [block, key](const Data::Entry& x) {
        return x.block < block || (x.block == block && CompareNoCase(x.key, key) < 0);
    });
    if (e == entries.end() || e->block != block || CompareNoCase(e->key, key) != 0) return {};
    return e->value;
}

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key) {
    return IniFile::load(file).value(section, key);
}

}  // namespace sd
