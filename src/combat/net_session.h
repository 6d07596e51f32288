#pragma once
// One side of a network game, without the network: the handshake, the
// lockstep of actions and every check of what the other side sends. It keeps
// its own headless copy of the battle, applied the moment an action is sent
// or received, so it can judge the next message (whose turn, what the rules
// say, the state's checksum) while the screen is still showing an earlier
// one. Bytes in, bytes out: the tests and the fuzzer drive it directly.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "combat/game_rules.h"
#include "combat/net_wire.h"

namespace sd::net {

inline constexpr int16_t kHostSide = 1;    // blue, chooses the world
inline constexpr int16_t kJoinerSide = 2;  // red

struct SessionEvent {
    enum class Kind {
        None,
        Ready,         // the handshake passed; world: the host's world
        RemoteAction,  // the other side played action (refused: as the rules answered it)
        Ended,         // the game is over for the network; text says why
    };
    Kind kind = Kind::None;
    int16_t world = -1;
    Action action;
    bool refused = false;
    std::string text;
};

class Session {
public:
    Session(int16_t localSide, const Hello& mine);
    ~Session();

    int16_t localSide() const { return local_; }
    int16_t remoteSide() const { return local_ == kHostSide ? kJoinerSide : kHostSide; }
    // The handshake passed (both hellos agree) and the battle has begun.
    bool playing() const { return shadow_ != nullptr && heardHello_ && !ended_; }
    bool ended() const { return ended_; }
    const std::string& endText() const { return endText_; }
    // The host's hello once the handshake passed: its world, seed and start
    // time stand in both records.
    const Hello& hostHello() const { return local_ == kHostSide ? mine_ : theirs_; }

    // Starts the lockstep on w, a new game's start: the host's world, or the
    // world the host's hello named, loaded by the joiner.
    void Begin(const WorldRecord& w);

    // One packet from the other side. What to send back is in the outbox.
    SessionEvent Receive(std::span<const uint8_t> bytes);
    // The local player applied a; it goes to the other side with the state's sum.
    void Local(const Action& a);
    // Whether the game's action number index came from the other side (the
    // screen shows it, it does not send it again).
    bool AlreadyKnown(size_t index) const;
    // The player leaves: a bye to the other side.
    void Leave();
    // Nothing heard for too long, or the transport gave up.
    SessionEvent Lost();
    // Ends the game with reason, telling the other side; for problems the
    // owner finds (the joiner cannot load the host's world).
    SessionEvent Refuse(ByeReason reason);

    std::vector<std::vector<uint8_t>> TakeOutbox();
    // The headless battle as far as it has gone (null before Begin).
    const HeadlessGame* shadow() const { return shadow_.get(); }

private:
    SessionEvent End(ByeReason reason, bool tellOther);
    SessionEvent OnHello(const Hello& h);
    SessionEvent OnAction(const Message& m);
    SessionEvent OnState(const Message& m);
    void Send(const Message& m);

    int16_t local_;
    Hello mine_;
    Hello theirs_;
    bool heardHello_ = false;
    std::unique_ptr<HeadlessGame> shadow_;
    std::vector<uint32_t> sums_;  // the state's sum after each action
    bool ended_ = false;
    std::string endText_;
    std::vector<std::vector<uint8_t>> outbox_;
};

}  // namespace sd::net
