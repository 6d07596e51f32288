#pragma once
// Reading a data file whole. Only a regular file of at most kDataFileMaxBytes
// is read: worlds.dat as a link to /dev/zero would otherwise eat all memory, a
// FIFO of that name would block the start before any window shows, and a
// directory opens without complaint on Linux. Anything else is refused with the
// reason, so the player learns which file is wrong and why.
#include <cstdint>
#include <string>

namespace sd {

// Far beyond any real worlds.dat (ours is 9 KB), small enough to read at once.
inline constexpr uintmax_t kDataFileMaxBytes = uintmax_t{4} << 20;

enum class ReadFault {
    None,
    Missing,       // no such file (or a link to nothing)
    AccessDenied,  // no permission to read it
    Directory,
    Pipe,          // a FIFO or a socket
    Device,        // a character or block device, /dev/zero for one
    OtherKind,     // any other kind of non-regular file
    TooLarge,      // more than the limit
    Failed,        // the system refused for another reason (error holds errno)
};

struct FileStatus {
    ReadFault fault = ReadFault::None;
    uintmax_t size = 0;  // bytes found, for TooLarge
    int error = 0;       // errno, for Failed
};

struct FileRead {
    std::string text;  // the whole content; empty on a fault
    FileStatus status;
};

FileRead ReadDataFile(const std::string& path);

// Why the file could not be read, in German (Windows-1252): "Zugriff verweigert".
std::string ReadFaultReason(const FileStatus& status);

// The player's message for a data file that could not be read, with the path.
// A missing file keeps the words "DAT-Dateien nicht vorhanden!", every other
// fault "Fehler beim Lesen der INI-Dateien".
std::string ReadProblemText(const std::string& path, const FileStatus& status);

}  // namespace sd
