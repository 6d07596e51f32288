#include "combat/net_wire.h"

namespace sd::net {

namespace {

class Writer {
public:
    void u8(uint8_t v) { bytes.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    std::vector<uint8_t> bytes;
};

// Reads forward through the packet; once a read runs past the end every
// later read fails too, so a message is checked once, at its end.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> b) : b_(b) {}
    bool u8(uint8_t& v) {
        if (!ok_ || at_ >= b_.size()) return ok_ = false;
        v = b_[at_++];
        return true;
    }
    bool u16(uint16_t& v) {
        uint8_t lo = 0, hi = 0;
        if (!u8(lo) || !u8(hi)) return false;
        v = static_cast<uint16_t>(lo | hi << 8);
        return true;
    }
    bool i16(int16_t& v) {
        uint16_t u = 0;
        if (!u16(u)) return false;
        v = static_cast<int16_t>(u);
        return true;
    }
    bool u32(uint32_t& v) {
        uint16_t lo = 0, hi = 0;
        if (!u16(lo) || !u16(hi)) return false;
        v = static_cast<uint32_t>(lo) | static_cast<uint32_t>(hi) << 16;
        return true;
    }
    bool text(std::string& s, size_t most) {
        uint8_t n = 0;
        if (!u8(n) || n > most || b_.size() - at_ < n) return ok_ = false;
        s.assign(reinterpret_cast<const char*>(b_.data() + at_), n);
        at_ += n;
        return true;
    }
    bool done() const { return ok_ && at_ == b_.size(); }

private:
    std::span<const uint8_t> b_;
    size_t at_ = 0;
    bool ok_ = true;
};

// A start time goes into the record's header as it stands: digits in the
// places of "YYYY-MM-DD hh:mm:ss" and nothing else, so no line break or
// stray word can reach the file.
bool StartedOk(const std::string& t) {
    if (t.empty()) return true;
    static constexpr char kForm[] = "dddd-dd-dd dd:dd:dd";
    if (t.size() != sizeof kForm - 1) return false;
    for (size_t i = 0; i < t.size(); ++i) {
        const bool digit = t[i] >= '0' && t[i] <= '9';
        if (kForm[i] == 'd' ? !digit : t[i] != kForm[i]) return false;
    }
    return true;
}

bool CellOk(CellPos c) {
    if (c == kNoCell) return true;
    return c.x >= 0 && c.y >= 0 && c.x <= kMostCell && c.y <= kMostCell;
}

bool DecodeAction(Reader& r, Message& m) {
    uint8_t kind = 0, weapon = 0, refused = 0;
    Action& a = m.action;
    if (!r.u32(m.index) || !r.u8(kind) || !r.i16(a.unit.x) || !r.i16(a.unit.y) || !r.i16(a.target.x) ||
        !r.i16(a.target.y) || !r.u8(weapon) || !r.i16(a.angle) || !r.u8(refused) || !r.u32(m.stateSum)) {
        return false;
    }
    if (kind > static_cast<uint8_t>(ActionKind::EndTurn) || weapon > 1 || refused > 1) return false;
    if (a.angle < 0 || a.angle >= 360 || !CellOk(a.unit) || !CellOk(a.target)) return false;
    a.kind = static_cast<ActionKind>(kind);
    a.weapon = static_cast<Weapon>(weapon);
    m.refused = refused == 1;
    return true;
}

}  // namespace

std::string ByeText(ByeReason r) {
    switch (r) {
        case ByeReason::Left: return "Der Gegner hat das Spiel verlassen";
        case ByeReason::OtherVersion: return "Verbindung abgelehnt: andere Version";
        case ByeReason::OtherWorlds: return "Verbindung abgelehnt: andere worlds.dat";
        case ByeReason::OtherSettings: return "Verbindung abgelehnt: andere settings.dat";
        case ByeReason::Desync: return "Spielstand weicht ab";
        case ByeReason::BadMessage: return "Fehlerhafte Nachricht - Verbindung getrennt";
        case ByeReason::NotYourTurn: return "Zug ausser der Reihe - Verbindung getrennt";
        case ByeReason::RuleRefused: return "Unerlaubter Zug - Verbindung getrennt";
        case ByeReason::Lost: return "Verbindung verloren";
        case ByeReason::Busy: return "Der Gastgeber hat schon einen Gegner";
    }
    return "Verbindung getrennt";
}

std::vector<uint8_t> Encode(const Message& m) {
    Writer w;
    w.u8(static_cast<uint8_t>(m.type));
    switch (m.type) {
        case MsgType::Hello: {
            const std::string name = m.hello.program.substr(0, kMostProgramName);
            w.u8(static_cast<uint8_t>(name.size()));
            w.bytes.insert(w.bytes.end(), name.begin(), name.end());
            w.u16(m.hello.protocol);
            w.u32(m.hello.worldsSum);
            w.u32(m.hello.settingsSum);
            w.i16(m.hello.world);
            w.u32(m.hello.seed);
            const std::string started = m.hello.started.substr(0, kMostStarted);
            w.u8(static_cast<uint8_t>(started.size()));
            w.bytes.insert(w.bytes.end(), started.begin(), started.end());
            break;
        }
        case MsgType::Action: {
            const Action& a = m.action;
            w.u32(m.index);
            w.u8(static_cast<uint8_t>(a.kind));
            w.i16(a.unit.x);
            w.i16(a.unit.y);
            w.i16(a.target.x);
            w.i16(a.target.y);
            w.u8(static_cast<uint8_t>(a.weapon));
            w.i16(a.angle);
            w.u8(m.refused ? 1 : 0);
            w.u32(m.stateSum);
            break;
        }
        case MsgType::State:
            w.u32(m.index);
            w.u32(m.stateSum);
            break;
        case MsgType::Bye: w.u8(static_cast<uint8_t>(m.reason)); break;
    }
    return w.bytes;
}

bool Decode(std::span<const uint8_t> bytes, Message& m) {
    if (bytes.empty() || bytes.size() > kMostMessageBytes) return false;
    Reader r(bytes);
    uint8_t type = 0;
    r.u8(type);
    switch (type) {
        case static_cast<uint8_t>(MsgType::Hello): {
            Hello& h = m.hello;
            if (!r.text(h.program, kMostProgramName) || !r.u16(h.protocol)) return false;
            // Another build's hello is read as far as its name and version,
            // whatever follows: both sides can then say "andere Version".
            if (h.program != kProgramName || h.protocol != kProtocolVersion) {
                m.type = MsgType::Hello;
                return true;
            }
            if (!r.u32(h.worldsSum) || !r.u32(h.settingsSum) || !r.i16(h.world) || !r.u32(h.seed) ||
                !r.text(h.started, kMostStarted) || !StartedOk(h.started)) {
                return false;
            }
            break;
        }
        case static_cast<uint8_t>(MsgType::Action):
            if (!DecodeAction(r, m)) return false;
            break;
        case static_cast<uint8_t>(MsgType::State):
            if (!r.u32(m.index) || !r.u32(m.stateSum)) return false;
            break;
        case static_cast<uint8_t>(MsgType::Bye): {
            uint8_t reason = 0;
            if (!r.u8(reason) || reason == 0 || reason > kMostByeReason) return false;
            m.reason = static_cast<ByeReason>(reason);
            break;
        }
        default: return false;
    }
    m.type = static_cast<MsgType>(type);
    return r.done();
}

Message HelloMessage(const Hello& h) {
    Message m;
    m.type = MsgType::Hello;
    m.hello = h;
    return m;
}

Message ActionMessage(uint32_t index, const Action& a, bool refused, uint32_t stateSum) {
    Message m;
    m.type = MsgType::Action;
    m.index = index;
    m.action = a;
    m.refused = refused;
    m.stateSum = stateSum;
    return m;
}

Message StateMessage(uint32_t index, uint32_t stateSum) {
    Message m;
    m.type = MsgType::State;
    m.index = index;
    m.stateSum = stateSum;
    return m;
}

Message ByeMessage(ByeReason r) {
    Message m;
    m.type = MsgType::Bye;
    m.reason = r;
    return m;
}

}  // namespace sd::net
