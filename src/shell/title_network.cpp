// The title screen's side of a network game: "-HOST" or "Gegner: Netzwerk
// (warten)" waits for an opponent, "-CONNECT host[:port]" or the address
// field of "Gegner: Netzwerk (verbinden)" joins one; the title shows what it
// waits for until the handshake has passed, and Escape or a click gives up.
// The joiner then sees the host's world marked on its preview for a moment
// before the game screen opens.
#include <charconv>

#include "base/layout.h"
#include "data/context.h"
#include "data/ini_file.h"
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
// How long the joiner sees the host's world before the game starts.
constexpr double kPreviewSeconds = 2.0;
constexpr double kLingerSeconds = 1.0;
// The band between the two rows of world previews, where the address field
// stands too.
constexpr int kWaitingTop = 366;
constexpr int kWaitingHeight = 30;

double Now(const Context& ctx) { return ctx.clock != nullptr ? ctx.clock->seconds() : 0.0; }

}  // namespace

void FrmStartup::BuildWaitingLabel() {
    lblWaiting_ = &screen_->addLabel("LblWaiting");
    lblWaiting_->setVisible(false);
    lblWaiting_->setFont(platform::Font::open("Arial", 15, true));
    lblWaiting_->setTextColor(kLabelHighlighted);
    lblWaiting_->setSize(800, kWaitingHeight);
    lblWaiting_->setPosition(0, kWaitingTop);
    lblWaiting_->on.click = [this](int) { CancelNetworkStart(); };
    addressField_.Build(*screen_);
    picBack_->on.click = [this](int) {
        CancelNetworkStart();
        addressField_.Close();
    };
    screen_->on.deadline = [this] { PollNetworkStart(); };
    screen_->on.key = [this](platform::Key k) { TitleKey(k); };
    screen_->on.text = [this](const std::string& typed) {
        if (addressField_.isOpen()) addressField_.Type(typed);
    };
}

void FrmStartup::TitleKey(platform::Key k) {
    using platform::Key;
    if (!addressField_.isOpen()) {
        if (k == Key::Escape) CancelNetworkStart();
        return;
    }
    switch (k) {
        case Key::Escape: addressField_.Close(); break;
        case Key::Backspace: addressField_.Erase(); break;
        case Key::Return:
        case Key::KeypadEnter:
            if (addressField_.text().empty()) break;
            lastAddress_ = addressField_.text();
            addressField_.Close();
            StartNetwork(false, lastAddress_);
            break;
        default: break;
    }
}

void FrmStartup::OpenAddressField() {
    if (ended_) return;
    CancelNetworkStart();
    addressField_.Open(lastAddress_);
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
    networkChoice_ = host ? NetworkChoice::Host : NetworkChoice::Join;
    ctx_.opponent = Opponent::Person;
    ShowOpponent(ctx_, networkChoice_, *lblOpponent_, layout::kScreenWidth / 2.0);
    if (!host) lastAddress_ = address;
    StartNetwork(host, address);
}

void FrmStartup::StartNetwork(bool host, const std::string& address) {
    addressField_.Close();
    networkStart_ = std::make_unique<NetworkStart>();
    previewUntil_.reset();
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
    lblWaiting_->setText(networkStart_->caption());
    lblWaiting_->setVisible(true);
    screen_->setDeadline(Now(ctx_) + kPollSeconds);
}

// A refused start is looked at a little longer: torn down at once, its
// link would take the hello and the bye it still has to deliver along, and
// the other side would only hear the connection drop.
void FrmStartup::Linger() {
    if (!lingering_) return;
    if (lingering_->Drain() || Now(ctx_) >= lingerUntil_) {
        lingering_.reset();
        return;
    }
    if (!networkStart_) screen_->setDeadline(Now(ctx_) + kPollSeconds);
}

void FrmStartup::PollNetworkStart() {
    Linger();
    if (!networkStart_ || ended_) return;
    if (previewUntil_) {
        if (Now(ctx_) < *previewUntil_) {
            screen_->setDeadline(*previewUntil_);
            return;
        }
        return OpenNetworkGame();
    }
    std::string problem;
    const NetworkStart::Step step = networkStart_->Poll(ctx_, problem);
    if (step == NetworkStart::Step::Waiting) {
        screen_->setDeadline(Now(ctx_) + kPollSeconds);
        return;
    }
    if (step == NetworkStart::Step::Failed) {
        lblWaiting_->setVisible(false);
        screen_->setDeadline(std::nullopt);
        lingering_ = std::move(networkStart_);
        lingerUntil_ = Now(ctx_) + kLingerSeconds;
        Linger();
        ShowError(ctx_, problem);
        return;
    }
    if (networkStart_->hosting()) return OpenNetworkGame();
    ShowHostsWorld();
}

// The handshake named the host's world: its preview is marked as a click
// would mark it, and the line between the rows names it.
void FrmStartup::ShowHostsWorld() {
    const int16_t world = ctx_.GameState.WorldNumber;
    ClickWorldPreview(ctx_, picWorld_, world);
    ctx_.GameState.WorldNumber = world;
    const std::string name = IniFile::load(ctx_.path("worlds.dat")).value("World" + std::to_string(world), "Name");
    lblWaiting_->setText("Der Gastgeber hat " + (name.empty() ? "Welt " + std::to_string(world) : name) +
                         " gew\xE4hlt - das Spiel beginnt");
    previewUntil_ = Now(ctx_) + kPreviewSeconds;
    screen_->setDeadline(*previewUntil_);
}

void FrmStartup::OpenNetworkGame() {
    lblWaiting_->setVisible(false);
    screen_->setDeadline(std::nullopt);
    previewUntil_.reset();
    std::unique_ptr<NetworkStart> start = std::move(networkStart_);
    if (game_) finishedGames_.push_back(std::move(game_));
    game_ = std::make_unique<FrmMain>(ctx_);
    game_->PlayNetwork(start->TakeLink(), start->TakeSession());
    ctx_.platform->hideScreen(*screen_);
    if (game_->IsClosed()) ShowTitleScreen();
}

void FrmStartup::CancelNetworkStart() {
    if (!networkStart_) return;
    networkStart_->Leave();
    networkStart_.reset();
    previewUntil_.reset();
    lblWaiting_->setVisible(false);
    screen_->setDeadline(std::nullopt);
}

}  // namespace sd
