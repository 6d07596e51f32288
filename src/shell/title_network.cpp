// The title screen's side of a network game: "-HOST" waits for an opponent,
// "-CONNECT host[:port]" joins one; the title shows what it waits for until
// the handshake has passed, and Escape or a click gives up.
#include <charconv>

#include "data/context.h"
#include "platform/input/element.h"
#include "platform/draw/font.h"
#include "platform/input/platform.h"
#include "platform/input/screen.h"
#include "play/game_screen.h"
#include "play/show_error.h"
#include "shell/command_line.h"
#include "shell/network_start.h"
#include "shell/title_screen.h"

namespace sd {

namespace {

// How often the title looks at the network while it waits: quick enough for
// the handshake, next to nothing for the processor.
constexpr double kPollSeconds = 0.020;
constexpr int kWaitingTop = 440;
constexpr int kWaitingHeight = 30;

double Now(const Context& ctx) { return ctx.clock != nullptr ? ctx.clock->seconds() : 0.0; }

}  // namespace

void FrmStartup::BuildWaitingLabel() {
    lblWaiting_ = &screen_->addLabel("LblWaiting");
    lblWaiting_->setVisible(false);
    lblWaiting_->onClick = [this](int) { CancelNetworkStart(); };
    picBack_->onClick = [this](int) { CancelNetworkStart(); };
    screen_->onDeadline = [this] { PollNetworkStart(); };
    screen_->onKey = [this](platform::Key k) {
        if (k == platform::Key::Escape) CancelNetworkStart();
    };
}

void FrmStartup::StartFromCommandLine() {
    const bool host = CommandLineHas(ctx_, "-HOST");
    const std::string address = CommandLineValue(ctx_, "-CONNECT");
    if (!host && address.empty()) return;
    if (host) {
        int world = 0;
        const std::string w = CommandLineValue(ctx_, "-WORLD");
        const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), world);
        if (!w.empty() && ec == std::errc() && end == w.data() + w.size() && world >= 0 && world < kPreviewCount) {
            WorldBoxClick(world);
        }
    }
    StartNetwork(host, address);
}

void FrmStartup::StartNetwork(bool host, const std::string& address) {
    networkStart_ = std::make_unique<NetworkStart>();
    std::string problem;
    bool ok = false;
    if (host) {
        unsigned port = net::kDefaultPort;
        const std::string p = CommandLineValue(ctx_, "-PORT");
        if (!p.empty()) std::from_chars(p.data(), p.data() + p.size(), port);
        ok = port >= 1 && port <= 65535 && networkStart_->Host(ctx_, static_cast<uint16_t>(port), problem);
        if (!ok && problem.empty()) problem = "Port ungueltig: " + p;
    } else {
        ok = networkStart_->Join(ctx_, address, problem);
    }
    if (!ok) {
        networkStart_.reset();
        ShowError(ctx_, problem);
        return;
    }
    lblWaiting_->setFont(platform::Font::open("Arial", 15, true));
    lblWaiting_->setTextColor(kLabelHighlighted);
    lblWaiting_->setSize(800, kWaitingHeight);
    lblWaiting_->setPosition(0, kWaitingTop);
    lblWaiting_->setText(networkStart_->caption());
    lblWaiting_->setVisible(true);
    screen_->setDeadline(Now(ctx_) + kPollSeconds);
}

void FrmStartup::PollNetworkStart() {
    if (!networkStart_ || ended_) return;
    std::string problem;
    const NetworkStart::Step step = networkStart_->Poll(ctx_, problem);
    if (step == NetworkStart::Step::Waiting) {
        screen_->setDeadline(Now(ctx_) + kPollSeconds);
        return;
    }
    lblWaiting_->setVisible(false);
    screen_->setDeadline(std::nullopt);
    std::unique_ptr<NetworkStart> start = std::move(networkStart_);
    if (step == NetworkStart::Step::Failed) {
        ShowError(ctx_, problem);
        return;
    }
    if (game_) finishedGames_.push_back(std::move(game_));
    game_ = std::make_unique<FrmMain>(ctx_);
    game_->PlayNetwork(start->TakeLink(), start->TakeSession());
    ctx_.platform->hideScreen(*screen_);
    if (game_->IsClosed()) ShowTitleScreen();
}

void FrmStartup::CancelNetworkStart() {
    if (!networkStart_) return;
    networkStart_.reset();
    lblWaiting_->setVisible(false);
    screen_->setDeadline(std::nullopt);
}

}  // namespace sd
