#include "play/game_recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "data/context.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/message_text.h"
#include "play/show_error.h"

namespace sd {

namespace fs = std::filesystem;

namespace {

std::time_t StartedTime(const std::string& text) {
    std::tm t{};
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min,
                    &t.tm_sec) != 6)
        return std::time(nullptr);
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    const std::time_t v = std::mktime(&t);
    return v == -1 ? std::time(nullptr) : v;
}

bool MakeFolder(const std::string& folder, std::string* problem) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec && problem) *problem = PathForMessage(folder) + ": " + ec.message();
    return !ec;
}

}  // namespace

std::string StartedText(const std::tm& t) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string RecordFolder() {
    // XDG: a relative XDG_STATE_HOME is to be ignored.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/sternenduell";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/sternenduell";
    return {};
}

std::string UnfinishedRecordPath() {
    const std::string folder = RecordFolder();
    return folder.empty() ? std::string() : folder + "/current.sdgame";
}

RecordHeader HeaderForNewGame(const Context& ctx) {
    RecordHeader h;
    h.world = ctx.GameState.WorldNumber;
    const FileRead worlds = ReadDataFile(ctx.path("worlds.dat"));
    h.worldsSum = Checksum(worlds.text);
    h.settingsSum = Checksum(ReadDataFile(ctx.path("settings.dat")).text);
    h.worldName = IniFile::parse(worlds.text).value("World" + std::to_string(h.world), "Name");
    h.opponent = ctx.opponent;
    h.seed = ctx.computerSeed;
    h.started = StartedText(ctx.GameState.StartTime);
    return h;
}

bool FileAway(const std::string& path, std::string* problem) {
    const fs::path games = fs::path(path).parent_path() / "games";
    if (!MakeFolder(games.string(), problem)) return false;
    // Named by the time they are filed, to the microsecond, so that the names
    // sort as the games ended.
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    long micros = static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() % 1000000);
    std::tm t{};
    localtime_r(&seconds, &t);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &t);
    std::error_code ec;
    fs::path target;
    for (;; ++micros) {
        char name[64];
        std::snprintf(name, sizeof name, "%s-%06ld.sdgame", stamp, micros);
        target = games / name;
        if (!fs::exists(target, ec)) break;
    }
    fs::rename(path, target, ec);
    if (ec) {
        if (problem) *problem = PathForMessage(path) + ": " + ec.message();
        return false;
    }
    // The names begin with the time they were filed, so the oldest sort first.
    std::vector<fs::path> kept;
    for (const fs::directory_entry& e : fs::directory_iterator(games, ec)) {
        if (e.path().extension() == ".sdgame") kept.push_back(e.path());
    }
    std::sort(kept.begin(), kept.end());
    for (size_t i = 0; i + kRecordsKept < kept.size(); ++i) fs::remove(kept[i], ec);
    return true;
}

std::unique_ptr<GameRecorder> GameRecorder::Begin(Context& ctx, const RecordHeader& header) {
    if (!ctx.recordsOn) return nullptr;
    std::unique_ptr<GameRecorder> r(new GameRecorder(ctx, std::time(nullptr)));
    const std::string path = UnfinishedRecordPath();
    std::string problem;
    if (path.empty()) {
        r->Fail("weder XDG_STATE_HOME noch HOME ist gesetzt");
    } else if (!MakeFolder(RecordFolder(), &problem)) {
        r->Fail(problem);
    } else if (std::error_code ec; fs::exists(path, ec) && !FileAway(path, &problem)) {
        r->Fail(problem);
    } else {
        r->fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        if (r->fd_ < 0) r->Fail(PathForMessage(path) + ": " + std::strerror(errno));
        r->Write(FormatHeader(header));
    }
    return r;
}

std::unique_ptr<GameRecorder> GameRecorder::Resume(Context& ctx, const RecordHeader& header) {
    if (!ctx.recordsOn) return nullptr;
    std::unique_ptr<GameRecorder> r(new GameRecorder(ctx, StartedTime(header.started)));
    const std::string path = UnfinishedRecordPath();
    r->fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (r->fd_ < 0) {
        r->Fail(PathForMessage(path) + ": " + std::strerror(errno));
        return r;
    }
    // A line torn by the crash is cut off, so the next one starts clean.
    const FileRead text = ReadDataFile(path);
    const size_t whole = text.text.rfind('\n');
    if (whole != std::string::npos && whole + 1 != text.text.size()) {
        if (::ftruncate(r->fd_, static_cast<off_t>(whole + 1)) != 0) r->Fail(std::strerror(errno));
    }
    return r;
}

GameRecorder::~GameRecorder() {
    if (fd_ >= 0) ::close(fd_);
}

void GameRecorder::Append(const Outcome& o) {
    if (finished_) return;
    Write(FormatAction(o.action, o.refused()));
}

void GameRecorder::Finish(int16_t winner, int16_t turns) {
    if (finished_) return;
    finished_ = true;
    if (fd_ < 0) return;
    const long minutes = static_cast<long>(std::difftime(std::time(nullptr), start_) / 60);
    const bool written = Write(FormatResult(winner, turns, minutes));
    ::close(fd_);
    fd_ = -1;
    std::string problem;
    if (written && !FileAway(UnfinishedRecordPath(), &problem)) Fail(problem);
}

// One write of whole lines, then to the disk: a kill between two actions
// leaves whole lines, a crash inside the write at most a torn last one.
bool GameRecorder::Write(const std::string& text) {
    if (fd_ < 0) return false;
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Fail(std::strerror(errno));
            return false;
        }
        done += static_cast<size_t>(n);
    }
    ::fdatasync(fd_);
    return true;
}

void GameRecorder::Fail(const std::string& what) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (ctx_.recordProblemSaid) return;
    ctx_.recordProblemSaid = true;
    ShowError(ctx_, "Das Spiel kann nicht aufgezeichnet werden und l\xE4uft ohne Aufzeichnung weiter.\n" + what);
}

}  // namespace sd
