// Keys for the screens: the few a screen can take, handed to the modal screen
// or else the topmost one shown.
#include <optional>

#include "platform/platform_impl.h"

namespace sd::platform {

namespace {

std::optional<KeyName> NameOf(const SDL_Keysym& k) {
    // "+" sits on different keys on different layouts: the keypad's, the
    // German '+' key, and the US '=' (shifted '+').
    switch (k.sym) {
        case SDLK_SPACE: return KeyName::Space;
        case SDLK_RIGHT: return KeyName::Right;
        case SDLK_PLUS:
        case SDLK_KP_PLUS:
        case SDLK_EQUALS: return KeyName::Plus;
        case SDLK_MINUS:
        case SDLK_KP_MINUS: return KeyName::Minus;
        case SDLK_ESCAPE: return KeyName::Escape;
        default: return std::nullopt;
    }
}

}  // namespace

void Platform::Impl::handleKey(const SDL_KeyboardEvent& key) {
    if (key.keysym.mod & (KMOD_ALT | KMOD_CTRL | KMOD_GUI)) return;
    const std::optional<KeyName> name = NameOf(key.keysym);
    if (!name) return;
    Screen* target = nullptr;
    if (!modal.empty()) {
        target = modal.back();
    } else {
        for (auto it = order.rbegin(); it != order.rend() && target == nullptr; ++it) {
            if ((*it)->visible() && !(*it)->closed()) target = *it;
        }
    }
    if (target == nullptr || target->closed() || !target->onKey) return;
    DepthGuard guard(depth);
    auto handler = target->onKey;
    handler(*name);
}

void Platform::setWindowTitle(const std::string& title) {
    if (impl_->window != nullptr) SDL_SetWindowTitle(impl_->window, title.c_str());
}

}  // namespace sd::platform
