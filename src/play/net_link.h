#pragma once
// The transport of a network game: one ENet connection, one channel,
// reliable and ordered. Nothing here waits: Poll handles what has arrived and
// sends what is due, and the screen calls it from its deadline every few
// milliseconds, so the event loop never blocks on the network and an idle
// game costs next to no CPU.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sd::net {

inline constexpr uint16_t kDefaultPort = 27960;
// A peer silent this long is gone (a closed window, a killed process, a pulled cable).
inline constexpr uint32_t kSilenceMs = 10000;

struct LinkEvent {
    enum class Kind { Connected, Received, Closed };
    Kind kind = Kind::Closed;
    std::vector<uint8_t> data;
};

class Link {
public:
    // Listens for one opponent on every address of this machine. Null, with
    // the player's words in problem, when the port cannot be had.
    static std::unique_ptr<Link> Listen(uint16_t port, std::string& problem, uint32_t silenceMs = kSilenceMs);
    // Starts connecting to host (a name or an IPv4 address) at port.
    static std::unique_ptr<Link> Connect(const std::string& host, uint16_t port, std::string& problem,
                                         uint32_t silenceMs = kSilenceMs);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // What happened since the last call; never waits.
    std::vector<LinkEvent> Poll();
    // Queues one message for the peer and sends it at once.
    void Send(const std::vector<uint8_t>& bytes);
    // Sends what is queued and closes politely; Poll then reports Closed.
    void Close();
    bool connected() const;
    // The port listened on or connected to.
    uint16_t port() const { return port_; }

private:
    struct Impl;
    explicit Link(std::unique_ptr<Impl> impl, uint16_t port);
    std::unique_ptr<Impl> impl_;
    uint16_t port_;
};

// "host", "host:port": false when the port is no number from 1 to 65535 or
// the host is empty.
bool ParseHostPort(const std::string& text, std::string& host, uint16_t& port);

// This machine's IPv4 addresses for the waiting screen, loopback last.
std::vector<std::string> LocalAddresses();

}  // namespace sd::net
