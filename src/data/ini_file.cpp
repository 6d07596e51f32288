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
// The parsed file keeps its text; every name and value is a view into it. The
// names are ordered by a hash of their case-folded letters, ties broken by the
// names themselves, so sorting mostly compares numbers and a lookup is two
// binary searches: no lower-cased copies, no allocation, and no slow case even
// for a file made of colliding names. The game start, the title's previews and
// the fuzzer look up far more often than they parse.
#include "data/ini_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace sd {

namespace {

// Per byte: its ASCII lower case, and whether it is a blank. Tables rather
// than comparisons: the parser runs them on every byte of a name.
constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> t{};
    for (unsigned i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    return t;
}();
constexpr std::array<bool, 256> kBlank = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {' ', '\t', '\r', '\v', '\f'}) t[c] = true;
    return t;
}();

unsigned char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }
bool IsBlank(char c) { return kBlank[static_cast<unsigned char>(c)]; }

std::string_view Trim(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

// FNV-1a over the case-folded bytes.
uint32_t NameHash(std::string_view name) {
    uint32_t h = 2166136261u;
    for (const char c : name) h = (h ^ Fold(c)) * 16777619u;
    return h;
}

// Three-way comparison without regard to ASCII case.
int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = Fold(a[i]) - Fold(b[i]);
        if (d != 0) return d;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A name and its hash, ordered by hash first.
struct Name {
    std::string_view text;
    uint32_t hash;

    explicit Name(std::string_view t) : text(t), hash(NameHash(t)) {}
    int compare(const Name& o) const {
        if (hash != o.hash) return hash < o.hash ? -1 : 1;
        return CompareNoCase(text, o.text);
    }
};

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
        Name name;
        uint32_t block;  // the number of its "[...]" line among all of them
    };
    struct Entry {
        uint32_t block;
        Name key;
        std::string_view value;

        int compare(uint32_t otherBlock, const Name& otherKey) const {
            if (block != otherBlock) return block < otherBlock ? -1 : 1;
            return key.compare(otherKey);
        }
    };

    std::string text;               // everything below points into it
    std::vector<Section> sections;  // by name, the first block of each name
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
            blocks.push_back({Name(Trim(line.substr(1, close - 1))), current});
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == kUnseen) continue;
        data->entries.push_back({current, Name(Trim(line.substr(0, eq))), LookupValue(Trim(line.substr(eq + 1)))});
    }

    // Only the first block of a section name counts: a stable sort keeps the
    // file's order among equal names, so the first of each run is the one.
    std::stable_sort(blocks.begin(), blocks.end(), [](const Data::Section& a, const Data::Section& b) {
        return a.name.compare(b.name) < 0;
    });
    std::vector<bool> seen(blocks.size(), false);
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && blocks[i - 1].name.compare(blocks[i].name) == 0) continue;
        seen[blocks[i].block] = true;
        data->sections.push_back(blocks[i]);
    }
    std::erase_if(data->entries, [&seen](const Data::Entry& e) { return !seen[e.block]; });
    // Likewise the first line of a key comes first among its equals.
    std::stable_sort(data->entries.begin(), data->entries.end(), [](const Data::Entry& a, const Data::Entry& b) {
        return a.compare(b.block, b.key) < 0;
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
    const Name wantedSection(section);
    const auto& sections = data_->sections;
    const auto s = std::partition_point(sections.begin(), sections.end(), [&](const Data::Section& x) {
        return x.name.compare(wantedSection) < 0;
    });
    if (s == sections.end() || s->name.compare(wantedSection) != 0) return {};

    const Name wantedKey(key);
    const uint32_t block = s->block;
    const auto& entries = data_->entries;
    const auto e = std::partition_point(entries.begin(), entries.end(), [&](const Data::Entry& x) {
        return x.compare(block, wantedKey) < 0;
    });
    if (e == entries.end() || e->compare(block, wantedKey) != 0) return {};
    return e->value;
}

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key) {
    return IniFile::load(file).value(section, key);
}

}  // namespace sd
