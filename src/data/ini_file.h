#pragma once
// Our INI reader. A file is read once into memory; lookups follow the rules the
// data files rely on: section and key names match without regard to case,
// blanks around a value are removed, a value in a pair of matching quotes loses
// them, a value is cut after 254 characters, and anything missing is the empty text.
#include <memory>
#include <string>
#include <string_view>

#include "data/data_file_read.h"

namespace sd {

class IniFile {
public:
    // Reads and parses the file (see ReadDataFile for what is refused). A file
    // that cannot be read gives an IniFile whose exists() is false and whose
    // status() says why. Never throws for bad content.
    static IniFile load(const std::string& path);
    // Parses text that was read already (the file's whole content); exists()
    // is true. The same rules as load().
    static IniFile parse(std::string_view text);

    bool exists() const { return exists_; }
    const FileStatus& status() const { return status_; }
    const std::string& path() const { return path_; }  // as given to load(); empty after parse()

    // The value of key in section, as described above; empty when missing.
    // find() allocates nothing; its view stays valid while this IniFile or a
    // copy of it lives.
    std::string_view find(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key) const { return std::string(find(section, key)); }

private:
    static IniFile parseText(std::string text);

    struct Data;
    std::shared_ptr<const Data> data_;
    bool exists_ = false;
    FileStatus status_{ReadFault::Missing};
    std::string path_;
};

// Longest value a lookup gives: the reading buffer holds 255 characters
// including the end mark.
inline constexpr size_t kIniValueMax = 254;

// The value of key in section of the INI file at path; empty when there is none.
// Never fails and never writes the file.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key);

}  // namespace sd
