#pragma once
// Our INI reader. A file is read once into memory; lookups follow the rules the
// data files rely on: section and key names match without regard to case,
// blanks around a value are removed, a value in a pair of matching quotes loses
// them, a value is cut after 254 characters, and anything missing is the empty text.
#include <memory>
#include <string>
#include <string_view>

namespace sd {

class IniFile {
public:
    // Reads and parses the file; a missing or unreadable file gives an empty
    // IniFile whose exists() is false. Never throws for bad content.
    static IniFile load(const std::string& path);
    // Parses text that was read already (the file's whole content); exists()
    // is true. The same rules as load().
    static IniFile parse(std::string_view text);
    bool exists() const { return exists_; }
    // The value of key in section, as described above; empty when missing.
    std::string value(const std::string& section, const std::string& key) const;

private:
    struct Data;
    std::shared_ptr<const Data> data_;
    bool exists_ = false;
};

// Longest value a lookup gives: the reading buffer holds 255 characters
// including the end mark.
inline constexpr size_t kIniValueMax = 254;

// The value of key in section of the INI file at path; empty when there is none.
// Never fails and never writes the file.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key);

}  // namespace sd
