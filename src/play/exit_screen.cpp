#include "play/exit_screen.h"

#include <string>

#include "data/context.h"
#include "platform/input/platform.h"
#include "play/show_error.h"
#include "play/sound.h"
#include "platform/process/clock.h"
#include "render/fx_bitmap.h"

namespace sd {

namespace {

struct ButtonLook {
    const char* stem;
    int left;
    int top;
};
constexpr ButtonLook kButtons[2] = {{"fx/butt4", 54, 91}, {"fx/butt5", 54, 135}};
constexpr const char* kLooks[3] = {"_a.bmp", "_b.bmp", "_c.bmp"};
constexpr double kPressedSeconds = 0.2;

// The dialog is laid out for its background's size; the buttons must fit
// beside and between each other on it.
constexpr SizeRule kBackSize = SizeRule::Exactly(FrmExit::kWidth, FrmExit::kHeight);
constexpr SizeRule kButtonSize{40, 20, FrmExit::kWidth - 54, 44};

platform::Surface LoadPicture(Context& ctx, const std::string& relative, LoadResult& result) {
    const SizeRule& rule = relative == "fx/screen2.bmp" ? kBackSize : kButtonSize;
    return LoadFxBitmap(ctx, relative, result, "Ohne sie kann das Spiel nur \xFC" "ber das Fenster verlassen werden.", rule);
}

}  // namespace

LoadResult FrmExit::CheckPictures(Context& ctx) {
    LoadResult result;
    LoadPicture(ctx, "fx/screen2.bmp", result);
    for (const ButtonLook& b : kButtons) {
        for (const char* look : kLooks) LoadPicture(ctx, std::string(b.stem) + look, result);
    }
    return result;
}

FrmExit::FrmExit(Context& ctx) : ctx_(ctx), platform_(*ctx.platform) {}

FrmExit::~FrmExit() {
    if (screen_ != nullptr && !closed_) Close();
}

void FrmExit::Close() {
    if (closed_) return;
    closed_ = true;
    platform_.closeScreen(*screen_);
    if (auto done = std::move(onClosed_)) done();
}

bool FrmExit::Load() {
    screen_ = &platform_.createScreen("FrmExit", kWidth, kHeight);
    screen_->setCaption("eXIT");
    screen_->centreOnCanvas();
    // The window's close command leaves GameOver as it is: back to the game.
    screen_->on.closeRequest = [this] { Close(); };
    screen_->on.mouseMove = [this](double, double, int) { BackgroundMove(); };

    auto load = [this](const std::string& relative, platform::Element& e) {
        LoadResult problem;
        platform::Surface picture = LoadPicture(ctx_, relative, problem);
        if (!ReportProblems(ctx_, problem.problems)) return false;
        e.setPicture(picture);
        return true;
    };

    platform::Element& back = screen_->addPanel("PicExitBack");
    back.on.mouseMove = [this](double, double, int) { BackgroundMove(); };
    bool ok = load("fx/screen2.bmp", back);
    back.setPosition(0, 0);

    for (int k = 0; ok && k < 2; ++k) {
        PicBtNormal[k] = &screen_->addPanel("PicBtNormal", k);
        PicBtOver[k] = &screen_->addPanel("PicBtOver", k);
        PicBtClick[k] = &screen_->addPanel("PicBtClick", k);
        platform::Element* looks[3] = {PicBtNormal[k], PicBtOver[k], PicBtClick[k]};
        for (int j = 0; j < 3 && ok; ++j) {
            looks[j]->setBorder(false);
            ok = load(std::string(kButtons[k].stem) + kLooks[j], *looks[j]);
            looks[j]->setPosition(kButtons[k].left, kButtons[k].top);
        }
        PicBtNormal[k]->setVisible(true);
        PicBtOver[k]->setVisible(false);
        PicBtClick[k]->setVisible(false);
        PicBtNormal[k]->on.mouseMove = [this](double, double, int index) { ButtonHover(index); };
        PicBtOver[k]->on.click = [this](int index) { ButtonClick(index); };
    }
    if (!ok) Close();
    return ok;
}

void FrmExit::Show(std::function<void()> onClosed) {
    onClosed_ = std::move(onClosed);
    if (closed_) {
        if (auto done = std::move(onClosed_)) done();
        return;
    }
    platform_.showModal(*screen_);
}

void FrmExit::BackgroundMove() {
    if (closed_) return;
    for (int k = 0; k < 2; ++k) {
        PicBtOver[k]->setVisible(false);
        PicBtClick[k]->setVisible(false);
        PicBtNormal[k]->setVisible(true);
    }
}

void FrmExit::ButtonHover(int k) {
    if (closed_ || k < 0 || k > 1) return;
    PicBtNormal[0]->setVisible(true);
    PicBtNormal[1]->setVisible(true);
    PicBtNormal[k]->setVisible(false);
    PicBtOver[k]->setVisible(true);
}

void FrmExit::ButtonClick(int k) {
    if (closed_ || k < 0 || k > 1) return;
    PicBtOver[k]->setVisible(false);
    PicBtClick[k]->setVisible(true);
    if (k == 0) {
        PlaySoundEffect(ctx_, Sfx::ButtonClick);
        ctx_.GameState.GameOver = true;
    } else {
        PlaySoundEffect(ctx_, Sfx::MenuClick);
    }
    // The window's close command during the pause closes the dialog at once;
    // a closed screen's time never comes.
    screen_->on.deadline = [this, k] {
        PicBtClick[k]->setVisible(false);
        PicBtNormal[k]->setVisible(true);
        Close();
    };
    screen_->setDeadline(ctx_.clock->seconds() + kPressedSeconds);
}

}  // namespace sd
