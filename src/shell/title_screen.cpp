#include "shell/title_screen.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "base/layout.h"
#include "combat/record_check.h"
#include "data/context.h"
#include "data/ini_file.h"
#include "platform/process/clock.h"
#include "platform/input/element.h"
#include "platform/draw/font.h"
#include "platform/input/platform.h"
#include "platform/input/screen.h"
#include "platform/draw/surface.h"
#include "play/cursor.h"
#include "play/game_recorder.h"
#include "play/game_screen.h"
#include "play/show_error.h"
#include "render/fx_bitmap.h"
#include "shell/command_line.h"
#include "shell/network_start.h"
#include "shell/program_end.h"
#include "play/sound.h"
#include "shell/speed_check.h"

namespace sd {

using platform::Color;
using platform::Element;
using platform::Font;

namespace {

constexpr int kTitleWidth = layout::kScreenWidth;
constexpr int kTitleHeight = layout::kScreenHeight;
constexpr int kLabelWidth = 241;
constexpr int kLabelHeight = 46;
constexpr int kBoxWidth = 101;
constexpr int kBoxHeight = 71;
constexpr double kSmallFontPoints = 7.8;
const char* const kCaptions[kMenuLabelCount] = {"Spiel starten", "Information", "Beenden"};
// The opponent label stands on the screen's middle axis like the title,
// in the calm band between the previews (down to 472) and the menu (from
// 534), above the planet's horizon.
constexpr double kOpponentCentre = kTitleWidth / 2.0;
constexpr int kOpponentTop = 478;
constexpr int kOpponentHeight = 30;
constexpr double kOpponentPoints = 15;
// "Spiel fortsetzen" stands in the same band, above "Spiel starten" whose
// alternative it is, in the menu's colours: the three menu labels keep their
// places, and the line is only there while an unfinished game exists.
constexpr int kContinueLeft = 0;
const char* const kContinueCaption = "Spiel fortsetzen";
}  // namespace

FrmStartup::FrmStartup(Context& ctx) : ctx_(ctx) {
    screen_ = &ctx_.platform->createScreen("FrmStartup", kTitleWidth, kTitleHeight);
    screen_->setBackground(Color{0, 0, 0});
    // The window's close command ends the program like "Beenden".
    screen_->on.closeRequest = [this] { Unload(); };
    BuildElements();
}

FrmStartup::~FrmStartup() {
    game_.reset();
    finishedGames_.clear();
    if (!ended_ && screen_) ctx_.platform->closeScreen(*screen_);
}

// The elements in drawing order: the hidden picture holder, the title panel,
// the menu labels and previews on it, the information panel on top.
void FrmStartup::BuildElements() {
    picAll_ = &screen_->addPanel("PicAll");
    picAll_->setVisible(false);

    picBack_ = &screen_->addPanel("PicBack");
    picBack_->setAutoSize(false);
    picBack_->setSize(321, 216);  // its size until the start sequence lays it out
    picBack_->setBackground(Color{0, 0, 0});
    picBack_->on.mouseMove = [this](double, double, int) { TitlePanelMouseMove(); };

    for (int k = 0; k < kMenuLabelCount; ++k) {
        Element& label = screen_->addLabel("LblButton", k);
        label.on.mouseMove = [this](double, double, int index) { LabelMouseMove(index); };
        label.on.click = [this](int index) { LabelClick(index); };
        lblButton_[k] = &label;
    }

    lblOpponent_ = &screen_->addLabel("LblOpponent");
    lblOpponent_->on.mouseMove = [this](double, double, int) { OpponentLabelMouseMove(); };
    lblOpponent_->on.click = [this](int) { OpponentLabelClick(); };

    lblContinue_ = &screen_->addLabel("LblContinue");
    lblContinue_->setVisible(false);
    lblContinue_->on.mouseMove = [this](double, double, int) { ContinueLabelMouseMove(); };
    lblContinue_->on.click = [this](int) { ContinueGame(); };

    for (int n = 0; n < kPreviewCount; ++n) {
        Element& box = screen_->addPanel("PicWorld", n);
        box.on.click = [this](int index) { WorldBoxClick(index); };
        picWorld_[n] = &box;
    }

    BuildWaitingLabel();

    picInfo_ = &screen_->addPanel("PicInfo");
    picInfo_->setVisible(false);
    picInfo_->setFont(Font::open("Arial", kSmallFontPoints));
    picInfo_->setTextColor(Color{128, 128, 0});
    picInfo_->on.click = [this](int) { InfoPanelClick(); };
}

bool FrmStartup::Load() {
    ParseCommandLine(ctx_);
    // Every run plays differently against the light computer.
    ctx_.computerSeed = std::random_device{}();
    ctx_.computerRandom.seed(ctx_.computerSeed);
    LoadSoundNames(ctx_);
    if (!LoadTitlePicture()) {
        Unload();
        return false;
    }
    // Measured while the title panel is still small and the screen hidden.
    ctx_.GameState.SpeedDelay = CheckSpeed(ctx_, *picBack_, picAll_->picture());
    SetMouseCursor(ctx_, 1);
    LayOutTitlePanel();
    LayOutMenu();
    LayOutOpponentLabel();
    lblContinue_->setFont(Font::open("Arial", kOpponentPoints, true));
    lblContinue_->setSize(kLabelWidth, kOpponentHeight);
    lblContinue_->setPosition(kContinueLeft, kOpponentTop);
    lblContinue_->setTextColor(kLabelNormal);
    lblContinue_->setText(kContinueCaption);
    LayOutPreviews();
    WorldBoxClick(0);
    Highlight(-1);
    OfferContinue();
    ctx_.platform->showScreen(*screen_);
    ctx_.platform->processPendingEvents();
    if (CommandLineHas(ctx_, "-CONTINUE")) {
        if (lblContinue_->look().visible) {
            ContinueGame();
        } else {
            std::fprintf(stderr, "sternenduell: kein unterbrochenes Spiel zum Fortsetzen\n");
        }
    }
    StartFromCommandLine();
    return true;
}

bool FrmStartup::LoadTitlePicture() {
    LoadResult problem;
    platform::Surface picture = LoadFxBitmap(ctx_, "fx/main.bmp", problem, "Das Programm kann nicht starten.");
    if (!ReportProblems(ctx_, problem.problems)) return false;
    picAll_->setAutoSize(true);
    picAll_->setPicture(picture);
    return true;
}

void FrmStartup::LayOutTitlePanel() {
    picBack_->setPosition(0, 0);
    const platform::Surface& picture = picAll_->picture();
    if (picture.width() == kTitleWidth && picture.height() == kTitleHeight) {
        // The panel takes its size with the picture, so that it never holds
        // a blank canvas of the whole screen beside the picture.
        picBack_->setAutoSize(true);
        picBack_->setPicture(picture);
        picBack_->setAutoSize(false);
        return;
    }
    picBack_->setSize(kTitleWidth, kTitleHeight);
    picBack_->setPicture(picture);
}

void FrmStartup::LayOutMenu() {
    const double top = kTitleHeight - kLabelHeight - 20;
    const double lefts[kMenuLabelCount] = {0, kTitleWidth / 2.0 - kLabelWidth / 2.0, double(kTitleWidth - kLabelWidth)};
    for (int k = 0; k < kMenuLabelCount; ++k) {
        Element& label = *lblButton_[k];
        label.setFont(Font::open("Arial", 18, true));
        label.setSize(kLabelWidth, kLabelHeight);
        label.setPosition(lefts[k], top);
        label.setText(kCaptions[k]);
    }
}

void FrmStartup::LayOutOpponentLabel() {
    lblOpponent_->setFont(Font::open("Arial", kOpponentPoints, true));
    lblOpponent_->setSize(kLabelWidth, kOpponentHeight);
    lblOpponent_->setPosition(kOpponentCentre - kLabelWidth / 2.0, kOpponentTop);
    lblOpponent_->setTextColor(kLabelNormal);
    ShowOpponent(ctx_, networkChoice_, *lblOpponent_, kOpponentCentre);
}

void FrmStartup::LayOutPreviews() {
    const IniFile worlds = IniFile::load(ctx_.path("worlds.dat"));
    const int top = kTitleHeight / 2 - 10;
    for (int n = 0; n < kPreviewCount; ++n) {
        Element& box = *picWorld_[n];
        box.setAutoSize(false);
        box.setBorder(true);
        box.setSize(kBoxWidth, kBoxHeight);
        box.setFont(Font::open("Arial", kSmallFontPoints));
        box.setPosition(60 + 140 * (n % 5), n >= 5 ? top + kBoxHeight + 40 : top);
        box.setBackground(Color{0, 0, 0});
        box.clear();
        box.tag.assign(1, '0');  // assign(): GCC 12 warns falsely (-Wrestrict) on = "0" here
        box.setVisible(true);
        PreviewWorld(worlds, static_cast<int16_t>(n), box);
    }
}

void FrmStartup::WorldBoxClick(int k) {
    // The host's hello has named the world already; the joiner's is the host's.
    if (networkStart_) return;
    ClickWorldPreview(ctx_, picWorld_, k);
}

void FrmStartup::LabelMouseMove(int k) {
    HighlightOpponent(false);
    HighlightContinue(false);
    Highlight(static_cast<int16_t>(k));
}

void FrmStartup::TitlePanelMouseMove() {
    HighlightOpponent(false);
    HighlightContinue(false);
    Highlight(-1);
}

void FrmStartup::OpponentLabelMouseMove() {
    Highlight(-1);
    HighlightContinue(false);
    HighlightOpponent(true);
}

void FrmStartup::ContinueLabelMouseMove() {
    Highlight(-1);
    HighlightOpponent(false);
    HighlightContinue(true);
}

void FrmStartup::HighlightContinue(bool on) {
    const platform::Color c = on ? kLabelHighlighted : kLabelNormal;
    if (lblContinue_->look().textColor != c) lblContinue_->setTextColor(c);
}

void FrmStartup::OfferContinue() {
    const std::string path = UnfinishedRecordPath();
    bool offer = false;
    if (!path.empty() && std::filesystem::exists(path)) {
        offer = OpenRecord(path, {ctx_.path("worlds.dat"), ctx_.path("settings.dat")}).problem.empty();
    }
    lblContinue_->setVisible(offer);
}

void FrmStartup::ContinueGame() {
    if (ended_) return;
    PlaySoundEffect(ctx_, Sfx::MenuClick);
    const std::string path = UnfinishedRecordPath();
    OpenedRecord opened = OpenRecord(path, {ctx_.path("worlds.dat"), ctx_.path("settings.dat")});
    if (!opened.problem.empty()) {
        ShowError(ctx_, "Das Spiel kann nicht fortgesetzt werden.\n" + opened.problem);
        lblContinue_->setVisible(false);
        return;
    }
    if (game_) finishedGames_.push_back(std::move(game_));
    game_ = std::make_unique<FrmMain>(ctx_);
    game_->Continue(opened.record);
    ctx_.platform->hideScreen(*screen_);
    if (game_->IsClosed()) ShowTitleScreen();
}

bool FrmStartup::StartReplay(const std::string& path) {
    OpenedRecord opened = OpenRecord(path, {ctx_.path("worlds.dat"), ctx_.path("settings.dat")});
    if (!opened.problem.empty()) {
        ShowError(ctx_, "Die Aufzeichnung kann nicht abgespielt werden.\n" + opened.problem);
        return false;
    }
    if (game_) finishedGames_.push_back(std::move(game_));
    game_ = std::make_unique<FrmMain>(ctx_);
    const std::string name = std::filesystem::path(path).filename().string();
    game_->Replay(opened.record, "Sternenduell - Wiederholung: " + name);
    ctx_.platform->hideScreen(*screen_);
    if (game_->IsClosed()) ShowTitleScreen();
    return true;
}

void FrmStartup::HighlightOpponent(bool on) {
    const platform::Color c = on ? kLabelHighlighted : kLabelNormal;
    if (lblOpponent_->look().textColor != c) lblOpponent_->setTextColor(c);
}

// Who plays red, chosen in turn: person, light computer, strong computer.
void FrmStartup::OpponentLabelClick() {
    if (ended_) return;
    picInfo_->setVisible(false);
    PlaySoundEffect(ctx_, Sfx::MenuClick);
    NextOpponent(ctx_.opponent, networkChoice_);
    ShowOpponent(ctx_, networkChoice_, *lblOpponent_, kOpponentCentre);
}

void FrmStartup::Highlight(int16_t index) { sd::Highlight(highlightedButton_, lblButton_, index); }

void FrmStartup::LabelClick(int k) {
    if (ended_ || k < 0 || k >= kMenuLabelCount) return;
    picInfo_->setVisible(false);
    lblButton_[k]->setTextColor(kLabelPressed);
    ctx_.platform->refresh();
    PlaySoundEffect(ctx_, Sfx::MenuClick);
    // The press stays on screen for a moment; the sound plays on meanwhile.
    // Clicks made during it are dropped: fifty quick clicks must not freeze
    // the title for twenty seconds afterwards.
    ctx_.clock->sleepMs(400);
    ctx_.platform->discardPendingClicks();
    switch (k) {
        case 0: StartGame(); break;
        case 1: ShowInfoPanel(ctx_, *picInfo_); break;
        case 2: Unload(); break;
    }
}

void FrmStartup::InfoPanelClick() {
    PlaySoundEffect(ctx_, Sfx::MenuClick);
    picInfo_->setVisible(false);
}

void FrmStartup::StartGame() {
    CancelNetworkStart();
    // Over the network: the host waits for the other machine, the joiner
    // first writes where it is.
    if (networkChoice_ == NetworkChoice::Host) return StartNetwork(true, "");
    if (networkChoice_ == NetworkChoice::Join) return OpenAddressField();
    // A game that ended earlier may still be waiting for the main loop to free it.
    if (game_) finishedGames_.push_back(std::move(game_));
    game_ = std::make_unique<FrmMain>(ctx_);
    game_->Load();
    ctx_.platform->hideScreen(*screen_);
    // A game whose start failed (missing data files) has closed again: without
    // this nothing would be left on the screen.
    if (game_->IsClosed()) ShowTitleScreen();
}

void FrmStartup::ShowTitleScreen() {
    if (ended_) return;
    OfferContinue();
    // A continued game brought its own opponent along.
    ShowOpponent(ctx_, networkChoice_, *lblOpponent_, kOpponentCentre);
    ctx_.platform->showScreen(*screen_);
}

void FrmStartup::CollectClosedGames() {
    finishedGames_.clear();
    // A game that ended (won, left, or stopped by a file error) hands the
    // screen back to the title, which still holds the chosen world.
    if (game_ && game_->IsClosed()) {
        const std::string message = game_->TakeEndMessage();
        game_.reset();
        ShowTitleScreen();
        if (!message.empty() && !ended_) ShowError(ctx_, message);
    }
}

void FrmStartup::Unload() {
    if (ended_) return;
    ended_ = true;
    EndProgram(ctx_);
    ctx_.platform->closeScreen(*screen_);
}

}  // namespace sd
