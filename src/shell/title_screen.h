#pragma once
// The title screen FrmStartup: the program's start sequence, the world
// previews, the menu and the program end. It also owns the game screens it
// opens and frees them once they have closed.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/address_field.h"
#include "shell/title_menu.h"
#include "shell/world_preview.h"

namespace sd {
struct Context;
class FrmMain;
class NetworkStart;
namespace platform {
class Element;
class Screen;
enum class Key;
}  // namespace platform

class FrmStartup {
public:
    // ctx needs its platform, clock and message box.
    explicit FrmStartup(Context& ctx);
    ~FrmStartup();
    FrmStartup(const FrmStartup&) = delete;
    FrmStartup& operator=(const FrmStartup&) = delete;

    // The start sequence, ending with the title screen shown. False when the
    // program cannot run (the problem was reported and the program end has run).
    bool Load();
    // The program end; runs once, later calls do nothing.
    void Unload();
    bool Ended() const { return ended_; }

    // Frees the game screens that have closed. Call only at a safe point, where
    // no handler of a game screen is running (the main loop).
    void CollectClosedGames();

    // Event handlers, public for tests.
    void WorldBoxClick(int k);
    void LabelMouseMove(int k);
    void TitlePanelMouseMove();
    void Highlight(int16_t index);
    int16_t highlightedButton() const { return highlightedButton_; }
    void LabelClick(int k);
    void InfoPanelClick();
    void OpponentLabelMouseMove();
    void OpponentLabelClick();
    void ContinueLabelMouseMove();
    // Continues the unfinished game from its record; a record that cannot be
    // used is reported (naming the file and line) and the title stays.
    void ContinueGame();
    // Plays the record at path back on the game screen; false (reported) when
    // it cannot be used.
    bool StartReplay(const std::string& path);

    // A network game: waits for (host) or connects to (address) the other
    // machine, showing so on the title; Escape or a click on it gives up.
    void StartNetwork(bool host, const std::string& address);
    void PollNetworkStart();
    void CancelNetworkStart();
    bool waitingForNetwork() const { return networkStart_ != nullptr; }
    platform::Element& waitingLabel() { return *lblWaiting_; }
    // "Spiel starten" with "Gegner: Netzwerk (verbinden)": the field for the
    // host's address; Return connects, Escape closes it.
    void OpenAddressField();
    AddressField& addressField() { return addressField_; }
    void TitleKey(platform::Key k);
    NetworkChoice networkChoice() const { return networkChoice_; }

    platform::Screen& screen() { return *screen_; }
    platform::Element& titlePanel() { return *picBack_; }
    platform::Element& worldBox(int n) { return *picWorld_[n]; }
    platform::Element& menuLabel(int k) { return *lblButton_[k]; }
    platform::Element& infoPanel() { return *picInfo_; }
    platform::Element& opponentLabel() { return *lblOpponent_; }
    platform::Element& continueLabel() { return *lblContinue_; }
    // The game screen opened last; null before the first game.
    FrmMain* game() { return game_.get(); }

private:
    void BuildElements();
    bool LoadTitlePicture();
    void LayOutTitlePanel();
    void LayOutMenu();
    void LayOutOpponentLabel();
    void HighlightOpponent(bool on);
    void HighlightContinue(bool on);
    // Shows "Spiel fortsetzen" when an unfinished game's record can be continued.
    void OfferContinue();
    void LayOutPreviews();
    void StartGame();
    void ShowTitleScreen();
    void BuildWaitingLabel();
    // "-HOST" (with "-WORLD n", "-PORT n") or "-CONNECT host[:port]".
    void StartFromCommandLine();

    Context& ctx_;
    platform::Screen* screen_ = nullptr;
    platform::Element* picAll_ = nullptr;
    platform::Element* picBack_ = nullptr;
    platform::Element* picInfo_ = nullptr;
    platform::Element* lblOpponent_ = nullptr;  // who plays red
    platform::Element* lblContinue_ = nullptr;  // the unfinished game, when there is one
    MenuLabels lblButton_{};
    PreviewBoxes picWorld_{};
    platform::Element* lblWaiting_ = nullptr;   // what a network start waits for
    AddressField addressField_;
    std::string lastAddress_;  // the address written last, offered again
    NetworkChoice networkChoice_ = NetworkChoice::None;
    std::unique_ptr<NetworkStart> networkStart_;
    // A refused start, kept a moment so that its bye reaches the other side.
    std::unique_ptr<NetworkStart> lingering_;
    double lingerUntil_ = 0;
    void Linger();
    // The joiner shows the host's world on its preview this long before the game.
    std::optional<double> previewUntil_;
    void ShowHostsWorld();
    void OpenNetworkGame();
    std::unique_ptr<FrmMain> game_;
    std::vector<std::unique_ptr<FrmMain>> finishedGames_;
    bool ended_ = false;
    int16_t highlightedButton_ = 0;  // menu label shown highlighted, -1 none
};

}  // namespace sd
