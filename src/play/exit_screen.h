#pragma once
// The exit screen FrmExit: a modal dialog over the game screen that asks
// whether the running game is to be left. Leaving sets GameState.GameOver.
#include <array>
#include <functional>

#include "data/load_result.h"

namespace sd {
struct Context;

namespace platform {
class Element;
class Platform;
class Screen;
}  // namespace platform

class FrmExit {
public:
    static constexpr int kWidth = 251;
    static constexpr int kHeight = 200;

    explicit FrmExit(Context& ctx);
    ~FrmExit();
    FrmExit(const FrmExit&) = delete;
    FrmExit& operator=(const FrmExit&) = delete;

    // Loads every picture of the dialog once and says what is wrong with them,
    // so a player learns of it when the game starts, not when leaving it.
    static LoadResult CheckPictures(Context& ctx);

    // Builds the dialog. A missing bitmap is reported and false is returned:
    // the game then goes on without asking.
    bool Load();
    // Shows the dialog over everything and returns at once; only the dialog
    // takes input until it closes, and then onClosed runs (once).
    void Show(std::function<void()> onClosed);

    // The pointer over the dialog's background: both buttons normal.
    void BackgroundMove();
    // The pointer over the normal look of button k.
    void ButtonHover(int k);
    // A click on the hover look of button k: 0 leaves the game, 1 goes back.
    // The pressed look stays for 0.2 s, then the dialog closes.
    void ButtonClick(int k);

    bool closed() const { return closed_; }
    // The dialog's screen while it is open (null once closed).
    platform::Screen* screen() { return closed_ ? nullptr : screen_; }

private:
    void Close();

    Context& ctx_;
    platform::Platform& platform_;
    platform::Screen* screen_ = nullptr;
    bool closed_ = false;
    std::function<void()> onClosed_;
    std::array<platform::Element*, 2> PicBtNormal{};
    std::array<platform::Element*, 2> PicBtOver{};
    std::array<platform::Element*, 2> PicBtClick{};
};

}  // namespace sd
