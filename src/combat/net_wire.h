#pragma once
// The messages two games exchange over the network, and their bytes. Only
// actions travel: both sides hold the same world and apply the same actions
// through the same rules. Every message is one ENet packet:
//
//   byte 0      type (1 hello, 2 action, 3 state, 4 bye)
//   hello       u8 length + program name, u16 protocol, u32 worlds.dat sum,
//               u32 settings.dat sum, i16 world (-1 from the joiner),
//               u32 seed, u8 length + start time "YYYY-MM-DD hh:mm:ss"
//               (the host's, for both records; the joiner sends 0 and none)
//   action      u32 index, u8 kind, i16 unit x, y, i16 target x, y, u8 weapon,
//               i16 angle, u8 refused, u32 state sum after it
//   state       u32 index, u32 state sum after the action of that index
//   bye         u8 reason
//
// Numbers are little-endian. The decoder trusts nothing: it checks every
// length, every enumeration and the end of the packet.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "combat/action.h"

namespace sd::net {

// 2: the hello carries the host's seed and start time.
inline constexpr uint16_t kProtocolVersion = 2;
inline constexpr const char* kProgramName = "Sternenduell";
// Larger than any message we send; a larger packet is hostile.
inline constexpr size_t kMostMessageBytes = 96;
inline constexpr size_t kMostProgramName = 32;
inline constexpr size_t kMostStarted = 19;
// No world holds cells beyond this; the rules check the board itself.
inline constexpr int16_t kMostCell = 255;

enum class MsgType : uint8_t { Hello = 1, Action = 2, State = 3, Bye = 4 };

// Why a side ends the connection; the other side shows the same words.
enum class ByeReason : uint8_t {
    Left = 1,         // the player left the game
    OtherVersion,     // program or protocol differ
    OtherWorlds,      // worlds.dat differs
    OtherSettings,    // settings.dat differs
    Desync,           // the state checksums differ
    BadMessage,       // a message the decoder refused
    NotYourTurn,      // an action by the side not on turn
    RuleRefused,      // an action the rules refuse
    Lost,             // nothing heard for too long (never sent)
    Busy,             // the host has an opponent already
};
inline constexpr uint8_t kMostByeReason = static_cast<uint8_t>(ByeReason::Busy);

// The player's words for a reason (plain ASCII: the title's fonts and the
// bitmap font both show it).
std::string ByeText(ByeReason r);

struct Hello {
    std::string program = kProgramName;
    uint16_t protocol = kProtocolVersion;
    uint32_t worldsSum = 0;
    uint32_t settingsSum = 0;
    int16_t world = -1;
    // The host's, so that both records of the game say the same.
    uint32_t seed = 0;
    std::string started;  // "YYYY-MM-DD hh:mm:ss" or empty
};

struct Message {
    MsgType type = MsgType::Bye;
    Hello hello;
    uint32_t index = 0;  // action and state: the action's place in the game
    Action action;
    bool refused = false;
    uint32_t stateSum = 0;  // action and state
    ByeReason reason = ByeReason::Left;
};

std::vector<uint8_t> Encode(const Message& m);
// False for anything but a whole, well-formed message; out is then undefined.
// A hello of another program or protocol version is taken as far as those
// two (the rest of it is not ours to judge), so it encodes back shorter.
bool Decode(std::span<const uint8_t> bytes, Message& out);

Message HelloMessage(const Hello& h);
Message ActionMessage(uint32_t index, const Action& a, bool refused, uint32_t stateSum);
Message StateMessage(uint32_t index, uint32_t stateSum);
Message ByeMessage(ByeReason r);

}  // namespace sd::net
