// Colour reduction by median cut over colours already rounded to what the display shows.
#include "tools/art/palette.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

const double OPAQUE_ENOUGH = 0.5;  // pixels less covered than this become transparent
const uint16_t KEY_565 = 0xF800;   // the game's transparent colour

// A colour as the display holds it, five bits red, six green, five blue.
struct Colour565 {
    int r, g, b;
};

// A group of distinct colours with their pixel counts, cut in two until there are enough.
struct Box {
    std::vector<std::pair<uint16_t, long>> colours;
};

uint16_t pack(Colour565 c) { return uint16_t(c.r << 11 | c.g << 5 | c.b); }
Colour565 unpack(uint16_t v) { return {v >> 11, (v >> 5) & 63, v & 31}; }

// The nearest display colour of a painted pixel; never the transparent red.
uint16_t round_to_565(Rgb c) {
    auto q = [](double v, int top) { return int(std::lround(std::clamp(v, 0.0, 255.0) * top / 255.0)); };
    Colour565 k{q(c.r, 31), q(c.g, 63), q(c.b, 31)};
    if (pack(k) == KEY_565) k.b = 1;
    return pack(k);
}

// The map entry whose bytes convert back to exactly this display colour.
MapEntry widen(uint16_t v) {
    Colour565 c = unpack(v);
    return {uint8_t(c.r << 3 | c.r >> 2), uint8_t(c.g << 2 | c.g >> 4), uint8_t(c.b << 3 | c.b >> 2)};
}

// The spread of a box along one channel (0 red, 1 green, 2 blue), in comparable units.
int spread(const Box &box, int channel) {
    int lo = 255, hi = 0;
    for (auto &[v, n] : box.colours) {
        Colour565 c = unpack(v);
        int x = channel == 0 ? c.r * 2 : channel == 1 ? c.g : c.b * 2;
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    return hi - lo;
}

// Splits the box at the pixel-weighted median of its widest channel.
std::pair<Box, Box> split(Box box) {
    int channel = 0;
    for (int k = 1; k < 3; k++)
        if (spread(box, k) > spread(box, channel)) channel = k;
    auto key = [channel](uint16_t v) {
        Colour565 c = unpack(v);
        return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
    };
    std::stable_sort(box.colours.begin(), box.colours.end(),
                     [&](auto &a, auto &b) { return key(a.first) < key(b.first); });
    long total = 0, run = 0;
    for (auto &e : box.colours) total += e.second;
    size_t cut = 0;
    do run += box.colours[cut++].second;
    while (cut < box.colours.size() - 1 && run < total / 2);
    Box a, b;
    a.colours.assign(box.colours.begin(), box.colours.begin() + cut);
    b.colours.assign(box.colours.begin() + cut, box.colours.end());
    return {a, b};
}

// The pixel-weighted mean colour of a box.
uint16_t average(const Box &box) {
    double r = 0, g = 0, b = 0, n = 0;
    for (auto &[v, count] : box.colours) {
        Colour565 c = unpack(v);
        r += c.r * double(count);
        g += c.g * double(count);
        b += c.b * double(count);
        n += double(count);
    }
    Colour565 m{int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n))};
    if (pack(m) == KEY_565) m.b = 1;
    return pack(m);
}

// At most `limit` representative colours of the counted ones.
std::vector<uint16_t> choose_colours(const std::map<uint16_t, long> &counts, size_t limit) {
    std::vector<uint16_t> chosen;
    if (counts.size() <= limit) {
        for (auto &e : counts) chosen.push_back(e.first);
        return chosen;
    }
    std::vector<Box> boxes(1);
    boxes[0].colours.assign(counts.begin(), counts.end());
    while (boxes.size() < limit) {
        size_t widest = 0;
        int best = -1;
        for (size_t i = 0; i < boxes.size(); i++) {
            if (boxes[i].colours.size() < 2) continue;
            int s = std::max({spread(boxes[i], 0), spread(boxes[i], 1), spread(boxes[i], 2)});
            if (s > best) best = s, widest = i;
        }
        if (best < 0) break;
        auto halves = split(boxes[widest]);
        boxes[widest] = halves.first;
        boxes.push_back(halves.second);
    }
    for (const Box &b : boxes) chosen.push_back(average(b));
    return chosen;
}

// The squared distance between two display colours, channels weighted to equal steps.
long distance(uint16_t a, uint16_t b) {
    Colour565 p = unpack(a), q = unpack(b);
    long dr = (p.r - q.r) * 2, dg = p.g - q.g, db = (p.b - q.b) * 2;
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

}  // namespace

// The layer as map and indices: transparent pixels take the key entry, the others the
// nearest of at most 255 colours chosen for this picture.
IndexedPicture quantise(const Layer &layer) {
    IndexedPicture out;
    out.width = layer.width;
    out.height = layer.height;
    size_t n = size_t(layer.width) * layer.height;
    std::vector<int> display(n, -1);
    std::map<uint16_t, long> counts;
    for (size_t i = 0; i < n; i++) {
        if (layer.alpha[i] < OPAQUE_ENOUGH) continue;
        display[i] = round_to_565(colour_at(layer, int(i % layer.width), int(i / layer.width)));
        counts[uint16_t(display[i])]++;
    }
    std::vector<uint16_t> chosen = choose_colours(counts, PALETTE_SIZE - 1);
    for (int e = 0; e < PALETTE_SIZE; e++) out.map[e] = MapEntry{0, 0, 0};
    out.map[KEY_INDEX] = MapEntry{255, 0, 0};
    for (size_t e = 0; e < chosen.size(); e++) out.map[e + 1] = widen(chosen[e]);
    std::map<uint16_t, uint8_t> nearest;
    for (auto &[v, count] : counts) {
        size_t best = 0;
        for (size_t e = 1; e < chosen.size(); e++)
            if (distance(v, chosen[e]) < distance(v, chosen[best])) best = e;
        nearest[v] = uint8_t(best + 1);
    }
    out.index.resize(n);
    for (size_t i = 0; i < n; i++) out.index[i] = display[i] < 0 ? KEY_INDEX : nearest[uint16_t(display[i])];
    return out;
}

// What the game's loader makes of one map entry.
uint16_t to_rgb565(MapEntry e) { return uint16_t((e.r & 0xF8) << 8 | (e.g & 0xFC) << 3 | e.b >> 3); }
