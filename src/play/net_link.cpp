#include "play/net_link.h"

#include <arpa/inet.h>
#include <enet/enet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <mutex>

#include "combat/net_wire.h"

namespace sd::net {

namespace {

void InitOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (enet_initialize() == 0) std::atexit(enet_deinitialize);
    });
}

// Our packets are a few dozen bytes; ENet refuses larger ones before they
// are ever put together, so a hostile peer cannot make us hold megabytes.
constexpr size_t kMostPacket = 256;
constexpr size_t kMostWaiting = 64 * 1024;

ENetHost* CreateHost(const ENetAddress* at) {
    ENetHost* h = enet_host_create(at, 1, 1, 0, 0);
    if (h != nullptr) {
        h->maximumPacketSize = kMostPacket;
        h->maximumWaitingData = kMostWaiting;
    }
    return h;
}

// ENet counts a peer's silence from the oldest message it left unanswered;
// its keep-alive goes out half a second after the last traffic, so the
// silence it measures starts that much later than the peer's last word.
// ENet's clock wraps; the difference of two of its times does not mind.
uint32_t SinceMs(enet_uint32 then) { return enet_time_get() - then; }

uint32_t EnetTimeout(uint32_t silenceMs) { return silenceMs > 1000 ? silenceMs - 500 : silenceMs; }

}  // namespace

struct Link::Impl {
    ENetHost* host = nullptr;
    ENetPeer* peer = nullptr;
    uint32_t silenceMs = kSilenceMs;
    bool closing = false;
    bool closedSaid = false;
    // When the peer connected: its silence counts from here until it first
    // answers (ENet's time of its last word starts at 0).
    enet_uint32 connectedAt = 0;
    ~Impl() {
        if (peer != nullptr) {
            enet_peer_disconnect_now(peer, 0);
        }
        if (host != nullptr) enet_host_destroy(host);
    }
};

Link::Link(std::unique_ptr<Impl> impl, uint16_t port) : impl_(std::move(impl)), port_(port) {}
Link::~Link() = default;

std::unique_ptr<Link> Link::Listen(uint16_t port, std::string& problem, uint32_t silenceMs) {
    InitOnce();
    ENetAddress at{};
    at.host = ENET_HOST_ANY;
    at.port = port;
    auto impl = std::make_unique<Impl>();
    impl->silenceMs = silenceMs;
    impl->host = CreateHost(&at);
    if (impl->host == nullptr) {
        problem = "Port " + std::to_string(port) + " ist belegt";
        return nullptr;
    }
    return std::unique_ptr<Link>(new Link(std::move(impl), port));
}

std::unique_ptr<Link> Link::Connect(const std::string& host, uint16_t port, std::string& problem,
                                    uint32_t silenceMs) {
    InitOnce();
    ENetAddress at{};
    if (enet_address_set_host(&at, host.c_str()) != 0) {
        problem = "Adresse unbekannt: " + host;
        return nullptr;
    }
    at.port = port;
    auto impl = std::make_unique<Impl>();
    impl->silenceMs = silenceMs;
    impl->host = CreateHost(nullptr);
    if (impl->host == nullptr) {
        problem = "Keine Netzwerkverbindung moeglich";
        return nullptr;
    }
    impl->peer = enet_host_connect(impl->host, &at, 1, 0);
    if (impl->peer == nullptr) {
        problem = "Keine Netzwerkverbindung moeglich";
        return nullptr;
    }
    enet_peer_timeout(impl->peer, 0, EnetTimeout(silenceMs), EnetTimeout(silenceMs));
    return std::unique_ptr<Link>(new Link(std::move(impl), port));
}

std::vector<LinkEvent> Link::Poll() {
    std::vector<LinkEvent> out;
    Impl& l = *impl_;
    ENetEvent ev;
    while (l.host != nullptr && enet_host_service(l.host, &ev, 0) > 0) {
        switch (ev.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (l.peer == nullptr || l.peer == ev.peer) {
                    l.peer = ev.peer;
                    l.connectedAt = enet_time_get();
                    enet_peer_timeout(l.peer, 0, EnetTimeout(l.silenceMs), EnetTimeout(l.silenceMs));
                    if (!l.closing) out.push_back({LinkEvent::Kind::Connected, {}});
                } else {
                    enet_peer_disconnect_now(ev.peer, 0);
                }
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                if (ev.peer == l.peer && !l.closing) {
                    const uint8_t* d = ev.packet->data;
                    out.push_back({LinkEvent::Kind::Received, std::vector<uint8_t>(d, d + ev.packet->dataLength)});
                }
                enet_packet_destroy(ev.packet);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (ev.peer == l.peer) {
                    l.peer = nullptr;
                    if (!l.closedSaid) out.push_back({LinkEvent::Kind::Closed, {}});
                    l.closedSaid = true;
                }
                break;
            case ENET_EVENT_TYPE_NONE: break;
        }
    }
    // ENet looks at a peer's silence only when it sends a packet again, and
    // it sends again after ever longer pauses (a gone peer was found after
    // 15 to 17 s). Its pings are answered every half second while the peer
    // lives, so the time since its last answer is the silence we count.
    if (l.peer != nullptr && !l.closing && l.peer->state == ENET_PEER_STATE_CONNECTED &&
        std::min(SinceMs(l.peer->lastReceiveTime), SinceMs(l.connectedAt)) >= l.silenceMs) {
        enet_peer_reset(l.peer);
        l.peer = nullptr;
        if (!l.closedSaid) out.push_back({LinkEvent::Kind::Closed, {}});
        l.closedSaid = true;
    }
    return out;
}

void Link::Send(const std::vector<uint8_t>& bytes) {
    Impl& l = *impl_;
    if (l.peer == nullptr || l.closing || l.peer->state != ENET_PEER_STATE_CONNECTED) return;
    ENetPacket* p = enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (p == nullptr) return;
    if (enet_peer_send(l.peer, 0, p) != 0) {
        enet_packet_destroy(p);
        return;
    }
    enet_host_flush(l.host);
}

void Link::Close() {
    Impl& l = *impl_;
    if (l.closing) return;
    l.closing = true;
    if (l.peer != nullptr) {
        // Goes once what is queued (the bye) has been delivered.
        enet_peer_disconnect_later(l.peer, 0);
        enet_host_flush(l.host);
    }
}

bool Link::connected() const {
    const Impl& l = *impl_;
    return l.peer != nullptr && !l.closing && l.peer->state == ENET_PEER_STATE_CONNECTED;
}

bool ParseHostPort(const std::string& text, std::string& host, uint16_t& port) {
    const size_t colon = text.rfind(':');
    host = text.substr(0, colon);
    port = kDefaultPort;
    if (colon != std::string::npos) {
        const std::string digits = text.substr(colon + 1);
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value < 1 ||
            value > 65535) {
            return false;
        }
        port = static_cast<uint16_t>(value);
    }
    return !host.empty();
}

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> found;
    bool loopback = false;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
            if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET) continue;
            char text[INET_ADDRSTRLEN] = {};
            const auto* a = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
            if (inet_ntop(AF_INET, &a->sin_addr, text, sizeof text) == nullptr) continue;
            if (std::string(text).rfind("127.", 0) == 0) {
                loopback = true;
                continue;
            }
            found.emplace_back(text);
        }
        freeifaddrs(list);
    }
    if (loopback || found.empty()) found.emplace_back("127.0.0.1");
    return found;
}

}  // namespace sd::net
