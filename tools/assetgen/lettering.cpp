#include "lettering.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace assetgen {
namespace {

std::string g_paths[2];
std::map<std::pair<int, int>, TTF_Font*> g_fonts;

bool fileExists(const std::string& p) {
    SDL_RWops* rw = SDL_RWFromFile(p.c_str(), "rb");
    if (!rw) return false;
    SDL_RWclose(rw);
    return true;
}

TTF_Font* font(int size, Face face) {
    int f = face == Face::Bold ? 1 : 0;
    auto key = std::make_pair(f, size);
    auto it = g_fonts.find(key);
    if (it != g_fonts.end()) return it->second;
    TTF_Font* tf = TTF_OpenFont(g_paths[f].c_str(), size);
    if (!tf) throw std::runtime_error("cannot open " + g_paths[f] + ": " + TTF_GetError());
    TTF_SetFontHinting(tf, TTF_HINTING_LIGHT);
    g_fonts[key] = tf;
    return tf;
}

}  // namespace

void openLettering() {
    if (TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init failed: ") + TTF_GetError());
    const char* dirs[] = {"/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"};
    const char* names[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
    for (int f = 0; f < 2; ++f) {
        for (const char* d : dirs)
            if (g_paths[f].empty() && fileExists(std::string(d) + names[f])) g_paths[f] = std::string(d) + names[f];
        if (g_paths[f].empty())
            throw std::runtime_error(std::string("Liberation Sans (") + names[f] +
                                     ") not found under /usr/share/fonts/truetype/liberation2/ or "
                                     "/usr/share/fonts/truetype/liberation/; install fonts-liberation2");
    }
}

void closeLettering() {
    for (auto& [key, f] : g_fonts) TTF_CloseFont(f);
    g_fonts.clear();
    TTF_Quit();
}

Mask textMask(const std::string& text, int pixelSize, Face face) {
    Mask m;
    if (text.empty()) return m;
    SDL_Surface* s = TTF_RenderUTF8_Blended(font(pixelSize, face), text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!s) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) throw std::runtime_error(std::string("cannot convert text surface: ") + SDL_GetError());
    m.w = c->w;
    m.h = c->h;
    m.a.resize(static_cast<size_t>(m.w) * m.h);
    SDL_LockSurface(c);
    for (int y = 0; y < m.h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(c->pixels) + y * c->pitch);
        for (int x = 0; x < m.w; ++x) m.a[static_cast<size_t>(y) * m.w + x] = (row[x] >> 24) / 255.0f;
    }
    SDL_UnlockSurface(c);
    SDL_FreeSurface(c);
    return m;
}

Mask blurred(const Mask& src, int radius) {
    Mask m;
    m.w = src.w + 2 * radius;
    m.h = src.h + 2 * radius;
    m.a.assign(static_cast<size_t>(m.w) * m.h, 0.0f);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) m.a[static_cast<size_t>(y + radius) * m.w + x + radius] = src.at(x, y);
    int r = std::max(1, radius / 2);
    std::vector<float> tmp(m.a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -r; k <= r; ++k) s += m.at(x + k, y);
                tmp[static_cast<size_t>(y) * m.w + x] = s / (2 * r + 1);
            }
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -r; k <= r; ++k) {
                    int yy = y + k;
                    if (yy >= 0 && yy < m.h) s += tmp[static_cast<size_t>(yy) * m.w + x];
                }
                m.a[static_cast<size_t>(y) * m.w + x] = s / (2 * r + 1);
            }
    }
    return m;
}

void paintMask(Image& img, const Mask& m, int x, int y, Rgb c, float a) {
    for (int j = 0; j < m.h; ++j)
        for (int i = 0; i < m.w; ++i) img.blend(x + i, y + j, c, a * m.at(i, j));
}

void paintMaskRamp(Image& img, const Mask& m, int x, int y, Rgb top, Rgb bottom, float a) {
    // The ramp runs over the rows that hold ink, not the font's whole line height.
    int first = m.h, last = 0;
    for (int j = 0; j < m.h; ++j)
        for (int i = 0; i < m.w; ++i)
            if (m.at(i, j) > 0.05f) first = std::min(first, j), last = std::max(last, j);
    float span = std::max(1, last - first);
    for (int j = 0; j < m.h; ++j) {
        Rgb c = mix(top, bottom, clamp01((j - first) / span));
        for (int i = 0; i < m.w; ++i) img.blend(x + i, y + j, c, a * m.at(i, j));
    }
}

void glowMask(Image& img, const Mask& m, int x, int y, Rgb c, int radius, float k) {
    Mask b = blurred(m, radius);
    for (int j = 0; j < b.h; ++j)
        for (int i = 0; i < b.w; ++i) img.add(x + i - radius, y + j - radius, c, k * b.at(i, j));
}

void drawTextAt(Image& img, const std::string& text, int x, int y, const TextStyle& s) {
    Mask m = textMask(text, s.size, s.face);
    if (s.glowRadius > 0) glowMask(img, m, x, y, s.glowColor, s.glowRadius, s.glowStrength);
    if (s.shadow > 0) paintMask(img, m, x + 1, y + 1, Rgb{0, 0, 0}, s.shadow);
    if (s.colorBottom.r < 0)
        paintMask(img, m, x, y, s.color);
    else
        paintMaskRamp(img, m, x, y, s.color, s.colorBottom);
}

void drawTextCentred(Image& img, const std::string& text, float cx, float cy, const TextStyle& s) {
    Mask m = textMask(text, s.size, s.face);
    // Centre on the ink, not on the font's line box, so capitals sit in the middle.
    int first = m.h, last = 0;
    for (int j = 0; j < m.h; ++j)
        for (int i = 0; i < m.w; ++i)
            if (m.at(i, j) > 0.05f) first = std::min(first, j), last = std::max(last, j);
    if (first > last) return;
    int x = static_cast<int>(std::lround(cx - m.w / 2.0f));
    int y = static_cast<int>(std::lround(cy - (first + last + 1) / 2.0f));
    drawTextAt(img, text, x, y, s);
}

}  // namespace assetgen
