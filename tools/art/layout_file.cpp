// The lower panel's buttons, the menu's cells and buttons, the board's squares and the title's
// strip, written out from the headers the game and the art generator use, so no other program
// keeps a copy of them.
#include "tools/art/layout_file.h"

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/search.h"
#include "game/board_view.h"
#include "game/menu_layout.h"
#include "game/panel_layout.h"
#include "graphics/draw.h"
#include "tools/art/files.h"

namespace {

// One rectangle as [x0, y0, x1, y1].
std::string rect_json(const ScreenRect &r) {
    return "[" + std::to_string(r.x0) + ", " + std::to_string(r.y0) + ", " + std::to_string(r.x1) + ", " +
           std::to_string(r.y1) + "]";
}

// A list of rectangles, one for each value of an option.
template <size_t N>
std::string rects_json(const ScreenRect (&rects)[N]) {
    std::string text = "[";
    for (size_t i = 0; i < N; ++i) text += (i ? ", " : "") + rect_json(rects[i]);
    return text + "]";
}

// An object of named members whose values are already JSON.
std::string object_json(std::initializer_list<std::pair<const char *, std::string>> members) {
    std::string text = "{";
    for (const auto &member : members)
        text += (text.size() > 1 ? ", \"" : "\"") + std::string(member.first) + "\": " + member.second;
    return text + "}";
}

}  // namespace

std::string layout_json() {
    ScreenRect levels[LEVEL_COUNT];
    for (int value = 0; value < LEVEL_COUNT; ++value) levels[value] = level_cell(value);
    std::string panel = object_json({{"menu", rect_json(MENU_BUTTON)},
                                     {"take_back", rect_json(TAKE_BACK_BUTTON)},
                                     {"quit", rect_json(QUIT_BUTTON)},
                                     {"about", rect_json(ABOUT_BUTTON)},
                                     {"sound", rect_json(SOUND_BUTTON)}});
    std::string menu = object_json({{"players", rects_json(PLAYERS_CELLS)},
                                    {"time_control", rects_json(TIME_CONTROL_CELLS)},
                                    {"increment", rects_json(INCREMENT_CELLS)},
                                    {"level", rects_json(levels)},
                                    {"new_game", rect_json(NEW_GAME_BUTTON)},
                                    {"back", rect_json(BACK_BUTTON)}});
    // A square's cell is square_size wide and high, rank 0's at the top y rank_offset; the title
    // opens the menu on any tap in the strip under the board.
    std::string board = object_json({{"square_size", std::to_string(square_x(1))},
                                     {"rank_offset", std::to_string(square_y(0))}});
    ScreenRect title_start{0, TITLE_PANEL_TOP + 1, FRAME_WIDTH - 1, FRAME_HEIGHT - 1};
    std::string title = object_json({{"start", rect_json(title_start)}});
    return object_json({{"panel", panel}, {"menu", menu}, {"board", board}, {"title", title}}) + "\n";
}

int write_layout_file(const std::string &path) {
    std::string text = layout_json();
    return write_file(path, std::vector<uint8_t>(text.begin(), text.end()));
}
