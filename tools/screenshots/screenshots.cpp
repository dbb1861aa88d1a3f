// Makes the README's pictures from the headless device: the title, the menu, a game in play,
// the promotion panel and a result banner, each a PNG of the presented frame.
// Usage: vorlen-screenshots [output folder], default docs/images.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/captures.h"
#include "engine/position.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/menu.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "tools/png/png_file.h"

namespace {

#define SETTLE_FRAMES 4      // frames between two steps, so each tap is read and drawn
#define FRAME_LIMIT 5000

// One step of the picture session.
struct Step {
    std::function<bool()> ready;
    std::function<void()> action;
};

std::vector<Step> session;     // the steps, in order
size_t next_step = 0;
int last_action_frame = 0;
std::string output_folder;
int pictures_written = 0;

// The display as the player sees it, saved as a PNG.
void capture(const char *name) {
    std::vector<uint16_t> pixels(FRAME_WIDTH * FRAME_HEIGHT);
    const uint8_t *origin = device_display_origin();
    for (int i = 0; i < FRAME_WIDTH * FRAME_HEIGHT; i++) pixels[i] = (uint16_t)(origin[2 * i] | origin[2 * i + 1] << 8);
    std::string path = output_folder + "/" + name;
    if (write_png(path, png_from_rgb565(pixels, FRAME_WIDTH, FRAME_HEIGHT))) {
        std::printf("%s\n", path.c_str());
        pictures_written++;
    }
}

void tap_square(int file, int rank) { headless_tap(square_x(file) + 15, square_y(rank) + 15); }

// A person's turn with nothing else pending.
bool person_to_move() {
    return screen_state == SCREEN_PLAY && animation_pending == 0 && takeback_pending == 0 &&
           promotion_pending == 0 && game_over == 0 && is_person_to_move();
}

// Two White pawns, one about to promote, against one Black pawn that will have to give itself up.
void set_ending() {
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
    for (int id = 0; id < PIECE_COUNT; id++) PieceTable[id].file = CAPTURED;
    place_piece(0, 0, 6, White, Pawn);
    place_piece(4, 4, 2, White, Pawn);
    place_piece(19, 3, 4, Black, Pawn);
    generate_captures(1);
    draw_board();
}

bool always() { return true; }

// The session: title, menu, a move each, a selected piece, a promotion, the end.
void plan_session() {
    session = {
        {[] { return screen_state == SCREEN_TITLE && spin_angle >= 70; }, [] { capture("title.png"); }},
        {always, [] { headless_tap(120, 290); }},
        {[] { return screen_state == SCREEN_MENU; }, [] { capture("menu.png"); }},
        {always, [] { headless_tap(57, 281); }},
        {person_to_move, [] { tap_square(4, 1); }},
        {always, [] { tap_square(4, 2); }},
        {person_to_move, [] { tap_square(3, 1); }},
        {always, [] { capture("play.png"); }},
        {always, [] { tap_square(3, 1); }},
        {person_to_move, [] {
             set_ending();
             tap_square(0, 6);
         }},
        {always, [] { tap_square(0, 7); }},
        {[] { return promotion_pending == 1; }, [] { capture("promotion.png"); }},
        {always, [] { headless_tap(155, 290); }},
        {person_to_move, [] { tap_square(4, 2); }},
        {always, [] { tap_square(3, 3); }},
        {[] { return game_over != 0; }, [] {}},
        {always, [] { capture("result.png"); }},
        {always, [] { headless_tap(60, 305); }},
    };
}

// Runs the next step once the last one has settled and this one's moment has come.
void on_frame(int frame) {
    if (frame > FRAME_LIMIT) {
        quit_requested = 1;
        return;
    }
    if (next_step >= session.size() || frame - last_action_frame < SETTLE_FRAMES) return;
    if (!session[next_step].ready()) return;
    last_action_frame = frame;
    session[next_step++].action();
}

}  // namespace

int main(int argc, char **argv) {
    output_folder = argc > 1 ? argv[1] : "docs/images";
    headless_reset();
    headless_record_frames(false);
    headless_add_game_folders(VORLEN_BIN_DIR);
    plan_session();
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    if (pictures_written == 5) return 0;
    std::fprintf(stderr, "only %d of 5 pictures written\n", pictures_written);
    return 1;
}
