#pragma once
// Two sides of a network game joined by a wire in memory: what one sends,
// the other receives when the test pumps.
#include <vector>

#include "combat/combat_world.h"
#include "combat/net_session.h"

struct SessionPair {
    explicit SessionPair(const sd::net::Hello& hostHello = Hello(0), const sd::net::Hello& joinerHello = Hello(-1))
        : host(sd::net::kHostSide, hostHello), joiner(sd::net::kJoinerSide, joinerHello) {}

    static sd::net::Hello Hello(int16_t world) {
        sd::net::Hello h;
        h.worldsSum = 111;
        h.settingsSum = 222;
        h.world = world;
        return h;
    }

    // Delivers everything in flight, both ways, until nothing is; keeps what
    // each side saw (not the silent acknowledgements).
    void Pump() {
        for (bool moved = true; moved;) {
            moved = false;
            for (auto& bytes : host.TakeOutbox()) {
                Keep(joinerSaw, joiner.Receive(bytes));
                moved = true;
            }
            for (auto& bytes : joiner.TakeOutbox()) {
                Keep(hostSaw, host.Receive(bytes));
                moved = true;
            }
        }
    }

    // Blue at (1, 1) and (1, 5), red at (3, 1) and (10, 5), within a beam's reach of each other.
    static sd::WorldRecord World() {
        CombatWorld c;
        c.place(1, 1, 1);
        c.place(1, 5, 1);
        c.place(3, 1, 2);
        c.place(10, 5, 2);
        return c.w;
    }

    static void Keep(std::vector<sd::net::SessionEvent>& saw, sd::net::SessionEvent e) {
        if (e.kind != sd::net::SessionEvent::Kind::None) saw.push_back(std::move(e));
    }

    void Start() {
        Pump();
        host.Begin(World());
        joiner.Begin(World());
    }

    sd::net::Session host;
    sd::net::Session joiner;
    std::vector<sd::net::SessionEvent> hostSaw, joinerSaw;
};
