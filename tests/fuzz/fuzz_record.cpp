// libFuzzer target for records of games (.sdgame): the reader, and for a
// record it accepts, the replay on the shipped world it names. Besides
// crashes and hangs it checks that an accepted record writes back to the same
// actions and that every message stays on one line.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "combat/record_check.h"
#include "data/context.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/world_file.h"
#include "fuzz/fuzz_support.h"

namespace {

using fuzz::Require;

void CheckMessage(const std::string& m) {
    for (const char c : m) Require(static_cast<unsigned char>(c) >= 0x20);
}

// The shipped worlds, loaded once each.
const sd::WorldRecord* World(int16_t n) {
    static const sd::IniFile ini = sd::IniFile::parse(sd::ReadDataFile(SD_SOURCE_DIR "/data/worlds.dat").text);
    static std::map<int16_t, std::unique_ptr<sd::WorldRecord>> worlds;
    auto it = worlds.find(n);
    if (it == worlds.end()) {
        sd::Context ctx;
        std::unique_ptr<sd::WorldRecord> w;
        if (sd::LoadWorld(ctx, ini, n).ok()) w = std::make_unique<sd::WorldRecord>(std::move(ctx.World));
        it = worlds.emplace(n, std::move(w)).first;
    }
    return it->second.get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sd::GameRecord record;
    const sd::RecordProblem problem = sd::ParseRecord(text, record);
    if (!problem.ok()) {
        Require(problem.line >= 0);
        CheckMessage(sd::RecordMessage("x.sdgame", problem));
        return 0;
    }
    Require(record.actions.size() <= sd::kRecordMostActions);
    // Written back, the record reads as the same actions.
    std::string again = sd::FormatHeader(record.header);
    for (const sd::RecordedAction& a : record.actions) again += sd::FormatAction(a.action, a.refused);
    sd::GameRecord reread;
    Require(sd::ParseRecord(again, reread).ok());
    Require(reread.actions.size() == record.actions.size());
    for (size_t i = 0; i < record.actions.size(); ++i) Require(reread.actions[i].action == record.actions[i].action);

    if (record.header.world > 9) return 0;
    const sd::WorldRecord* w = World(record.header.world);
    if (w == nullptr) return 0;
    sd::HeadlessGame game(*w);
    const sd::RecordProblem replay = sd::ReplayRecord(record, game);
    CheckMessage(replay.what);
    return 0;
}
