#include "data/data_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "data/message_text.h"

namespace sd {

namespace {

FileRead Fault(ReadFault fault, uintmax_t size = 0, int error = 0) {
    FileRead r;
    r.status = {fault, size, error};
    return r;
}

FileRead FromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return Fault(ReadFault::Missing);
        case EACCES:
        case EPERM:
            return Fault(ReadFault::AccessDenied);
        default:
            return Fault(ReadFault::Failed, 0, error);
    }
}

// What kind of file st describes; no fault for a regular file within the limit.
FileRead Check(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return Fault(ReadFault::Directory);
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return Fault(ReadFault::Pipe);
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return Fault(ReadFault::Device);
    if (!S_ISREG(st.st_mode)) return Fault(ReadFault::OtherKind);
    const auto size = static_cast<uintmax_t>(st.st_size);
    if (size > kDataFileMaxBytes) return Fault(ReadFault::TooLarge, size);
    return {};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileRead ReadDataFile(const std::string& path) {
    constexpr uintmax_t maxBytes = kDataFileMaxBytes;
    // Look before opening: opening a FIFO waits for a writer, and opening some
    // devices does things.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FromErrno(errno);
    if (FileRead r = Check(st); r.status.fault != ReadFault::None) return r;

    // O_NONBLOCK: should the file have been swapped for a FIFO since, the open
    // does not wait, and the look below refuses it.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return FromErrno(errno);
    if (::fstat(fd.get(), &st) != 0) return FromErrno(errno);
    if (FileRead r = Check(st); r.status.fault != ReadFault::None) return r;

    // A file may grow while it is read, and files of /proc claim size 0: read
    // at most one byte past the limit, whatever the size said.
    FileRead r;
    r.text.resize(static_cast<size_t>(st.st_size) + 1);
    size_t used = 0;
    while (true) {
        if (used == r.text.size()) {
            if (used > maxBytes) return Fault(ReadFault::TooLarge, used);
            r.text.resize(static_cast<size_t>(std::min<uintmax_t>(maxBytes + 1, uintmax_t{used} * 2 + 4096)));
        }
        const ssize_t got = ::read(fd.get(), r.text.data() + used, r.text.size() - used);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return Fault(ReadFault::Failed, 0, errno);
        }
        used += static_cast<size_t>(got);
    }
    if (used > maxBytes) return Fault(ReadFault::TooLarge, used);
    r.text.resize(used);
    return r;
}

std::string ReadFaultReason(const FileStatus& status) {
    switch (status.fault) {
        case ReadFault::None:
            return {};
        case ReadFault::Missing:
            return "nicht gefunden";
        case ReadFault::AccessDenied:
            return "Zugriff verweigert";
        case ReadFault::Directory:
            return "ist ein Verzeichnis, keine Datei";
        case ReadFault::Pipe:
            return "ist eine Pipe, keine gew\xF6hnliche Datei";
        case ReadFault::Device:
            return "ist eine Ger\xE4tedatei, keine gew\xF6hnliche Datei";
        case ReadFault::OtherKind:
            return "ist keine gew\xF6hnliche Datei";
        case ReadFault::TooLarge:
            return "ist mit " + std::to_string(status.size) + " Bytes zu gro\xDF (erlaubt sind h\xF6" "chstens " +
                   std::to_string(kDataFileMaxBytes) + " Bytes)";
        case ReadFault::Failed:
            break;
    }
    switch (status.error) {
        case ELOOP:
            return "zu viele symbolische Verkn\xFCpfungen hintereinander";
        case ENAMETOOLONG:
            return "der Pfad ist zu lang";
        case EIO:
            return "Ein-/Ausgabefehler beim Lesen";
        default:
            return "nicht lesbar (Systemfehler " + std::to_string(status.error) + ")";
    }
}

std::string ReadProblemText(const std::string& path, const FileStatus& status) {
    std::string where(1, '"');
    where.append(PathForMessage(path)).append("\": ").append(ReadFaultReason(status));
    if (status.fault == ReadFault::Missing) return "DAT-Dateien nicht vorhanden! " + where;
    return "Fehler beim Lesen der INI-Dateien: " + where;
}

}  // namespace sd
