#include "combat/net_session.h"

#include "combat/state_sum.h"

namespace sd::net {

Session::Session(int16_t localSide, const Hello& mine) : local_(localSide), mine_(mine) {
    Send(HelloMessage(mine_));
}

Session::~Session() = default;

void Session::Begin(const WorldRecord& w) {
    if (shadow_ != nullptr || ended_) return;
    shadow_ = std::make_unique<HeadlessGame>(w);
}

SessionEvent Session::Receive(std::span<const uint8_t> bytes) {
    if (ended_) return {};
    Message m;
    if (!Decode(bytes, m)) return End(ByeReason::BadMessage, true);
    switch (m.type) {
        case MsgType::Hello: return OnHello(m.hello);
        case MsgType::Action: return OnAction(m);
        case MsgType::State: return OnState(m);
        case MsgType::Bye: return End(m.reason, false);
    }
    return End(ByeReason::BadMessage, true);
}

SessionEvent Session::OnHello(const Hello& h) {
    if (heardHello_) return End(ByeReason::BadMessage, true);
    heardHello_ = true;
    if (h.program != mine_.program || h.protocol != mine_.protocol) return End(ByeReason::OtherVersion, true);
    if (h.worldsSum != mine_.worldsSum) return End(ByeReason::OtherWorlds, true);
    if (h.settingsSum != mine_.settingsSum) return End(ByeReason::OtherSettings, true);
    // The host names the world; the joiner names none.
    const bool fromHost = remoteSide() == kHostSide;
    if (fromHost ? h.world < 0 : h.world != -1) return End(ByeReason::BadMessage, true);
    theirs_ = h;
    SessionEvent e;
    e.kind = SessionEvent::Kind::Ready;
    e.world = fromHost ? h.world : mine_.world;
    return e;
}

SessionEvent Session::OnAction(const Message& m) {
    if (!playing() || m.index != shadow_->played().size()) return End(ByeReason::BadMessage, true);
    const GameStateRecord& s = shadow_->state();
    if (s.CurrentPlayer != remoteSide() || s.Winner != 0) return End(ByeReason::NotYourTurn, true);
    const Outcome o = shadow_->Apply(m.action);
    // An action the sender knew to be refused changes nothing and is only
    // shown; one it claims the rules allow, and they do not, is a cheat or a
    // different game.
    if (o.refused() && !m.refused) return End(ByeReason::RuleRefused, true);
    const uint32_t sum = StateSum(shadow_->world(), shadow_->state());
    sums_.push_back(sum);
    if (o.refused() != m.refused || sum != m.stateSum) return End(ByeReason::Desync, true);
    Send(StateMessage(m.index, sum));
    SessionEvent e;
    e.kind = SessionEvent::Kind::RemoteAction;
    e.action = m.action;
    e.refused = o.refused();
    return e;
}

SessionEvent Session::OnState(const Message& m) {
    if (!playing() || m.index >= sums_.size()) return End(ByeReason::BadMessage, true);
    if (sums_[m.index] != m.stateSum) return End(ByeReason::Desync, true);
    return {};
}

void Session::Local(const Action& a) {
    if (!playing()) return;
    const uint32_t index = static_cast<uint32_t>(shadow_->played().size());
    const Outcome o = shadow_->Apply(a);
    const uint32_t sum = StateSum(shadow_->world(), shadow_->state());
    sums_.push_back(sum);
    Send(ActionMessage(index, a, o.refused(), sum));
}

bool Session::AlreadyKnown(size_t index) const { return shadow_ != nullptr && index < shadow_->played().size(); }

void Session::Leave() {
    if (!ended_) End(ByeReason::Left, true);
}

SessionEvent Session::Lost() {
    if (ended_) return {};
    return End(ByeReason::Lost, false);
}

SessionEvent Session::Refuse(ByeReason reason) {
    if (ended_) return {};
    return End(reason, true);
}

SessionEvent Session::End(ByeReason reason, bool tellOther) {
    if (tellOther) Send(ByeMessage(reason));
    ended_ = true;
    // The one who leaves knows it; the other side is told.
    endText_ = reason == ByeReason::Left && tellOther ? "Spiel verlassen" : ByeText(reason);
    SessionEvent e;
    e.kind = SessionEvent::Kind::Ended;
    e.text = endText_;
    return e;
}

void Session::Send(const Message& m) { outbox_.push_back(Encode(m)); }

std::vector<std::vector<uint8_t>> Session::TakeOutbox() {
    std::vector<std::vector<uint8_t>> out;
    out.swap(outbox_);
    return out;
}

}  // namespace sd::net
