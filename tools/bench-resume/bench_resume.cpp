// Benchmark, not a test: a kept game's playback on the test device. A person plays White against
// level 14, untimed, taking 20 s over each move (a new game after each end), or opens the menu,
// goes back and stays on the animated title (the slowest frames to play back); the run is kept, cut at each length asked for, and each kept text is resumed
// in a process of its own, timed from the start to the kept frame.
//   bench-resume [person|title] [MINUTES...]      (default: person 5 10 20 30)
// Prints, per length: the kept frame, the kept text's bytes (and per hour), the playback's time
// by the wall clock and the processor's.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/position.h"
#include "engine/rules.h"
#include "game/game_state.h"
#include "platform/common/keep.h"
#include "platform/headless/headless.h"

namespace {

const int THINK_FRAMES = 600;  // the person's 20 s over a move, at the game's 30 ms pass
struct Tap {
    int frame, x, y;
};
std::vector<Tap> taps;          // taps still to come, by frame
bool person = true;             // a person plays, or the title is left alone
std::vector<uint32_t> cuts;     // the kept lengths, in minutes of the device's clock
std::vector<std::string> kept;  // the kept text at each cut
int moves = 0;

// The device pixel of a board square's centre.
int square_x(int file) { return 15 + 30 * file; }
int square_y(int rank) { return 15 + 30 * (7 - rank); }

// A legal move of White's, varied from move to move; false when there is none.
bool choose_move(int *from_file, int *from_rank, int *to_file, int *to_rank) {
    std::vector<int> found;
    for (int from = 0; from < 64; ++from)
        for (int to = 0; to < 64; ++to)
            if (is_legal_move(from / 8, from % 8, to / 8, to % 8, White)) found.push_back(from * 64 + to);
    if (found.empty()) return false;
    int move = found[size_t(moves++ * 7) % found.size()];
    *from_file = move / 64 / 8, *from_rank = move / 64 % 8, *to_file = move % 64 / 8, *to_rank = move % 64 % 8;
    return true;
}

// The person, once per thought: a move on White's turn (the queen when a pawn promotes), or a
// new game from the menu once the game has ended.
void think(int frame) {
    if (game_over) {
        taps.push_back({frame + 1, 60, 275});   // Menu
        taps.push_back({frame + 30, 57, 281});  // New game
        return;
    }
    int ff, fr, tf, tr;
    if (side_to_move != White || !choose_move(&ff, &fr, &tf, &tr)) return;
    bool promotes = PieceTable[BoardMap[ff * 8 + fr]].kind == Pawn && tr == 7;
    taps.push_back({frame + 1, square_x(ff), square_y(fr)});
    taps.push_back({frame + 10, square_x(tf), square_y(tr)});
    if (promotes) taps.push_back({frame + 60, 155, 290});
}

void on_frame(int frame) {
    if (!cuts.empty() && headless_time() >= cuts.front() * 60000u) {
        kept.push_back(keep_text());
        cuts.erase(cuts.begin());
        if (cuts.empty()) headless_close();
    }
    if (person && frame > 200 && frame % THINK_FRAMES == 0) think(frame);
    for (size_t i = 0; i < taps.size();)
        if (taps[i].frame == frame) {
            headless_tap(taps[i].x, taps[i].y);
            taps.erase(taps.begin() + long(i));
        } else {
            ++i;
        }
}

// The device as the benchmark runs it: the game's files, no copies of frames, a clock that
// moves 1 ms a read (a real clock's readings all differ, as these do).
void set_up_device() {
    headless_reset();
    headless_record_frames(false);
    headless_record_calls(false);
    headless_add_game_folders(VORLEN_BIN_DIR);
}

// The kept run: the menu set for a person against level 14, untimed, then play to the last cut.
void keep_run() {
    set_up_device();
    headless_keep("", "bench");
    if (person)
        taps = {{20, 120, 280}, {40, 191, 51}, {60, 215, 218}, {80, 208, 79}, {100, 57, 281}};
    else
        taps = {{20, 120, 280}, {60, 170, 281}};  // the menu and Back: the title, touched, is kept
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
}

// The processor's time this process has taken, in seconds (on a shared machine the wall clock
// says more of the others' work than of this).
double cpu_seconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Prints the seconds (of the wall clock, and of the processor) a start takes to play a kept text
// back to its frame.
void print_resume(const std::string &text) {
    set_up_device();
    static double wall = 0, cpu = 0;
    auto begun = std::chrono::steady_clock::now();
    static auto done = begun;
    cpu = cpu_seconds();
    if (!headless_keep(text, "bench")) return (void)std::printf("refused: %s\n", keep_refusal().c_str());
    headless_on_frame([](int frame) {
        if (frame != headless_resumed_frame()) return;
        done = std::chrono::steady_clock::now();
        cpu = cpu_seconds() - cpu;
        headless_close();
    });
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    wall = std::chrono::duration<double>(done - begun).count();
    if (headless_resumed_frame() < 0) return (void)std::printf("refused: %s\n", keep_refusal().c_str());
    std::printf("%10.3f %10.3f\n", wall, cpu);
}

// Runs fn in a process of its own (the game's state is the process's); its stdout is the parent's.
void in_own_process(void (*fn)(const std::string &), const std::string &argument) {
    pid_t child = fork();
    if (child == 0) {
        fn(argument);
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char **argv) {
    int first = 1;
    if (argc > 1 && (std::strcmp(argv[1], "person") == 0 || std::strcmp(argv[1], "title") == 0)) {
        person = std::strcmp(argv[1], "person") == 0;
        first = 2;
    }
    for (int i = first; i < argc; ++i) cuts.push_back(uint32_t(std::atoi(argv[i])));
    if (cuts.empty()) cuts = {5, 10, 20, 30};
    std::vector<uint32_t> minutes = cuts;
    std::string folder = std::string(mkdtemp(std::string("/tmp/bench-resume-XXXXXX").data())) + "/";
    in_own_process([](const std::string &to) {
        keep_run();
        if (person) std::printf("a person against level 14 (%d moves of the person's), ", moves);
        for (size_t i = 0; i < kept.size(); ++i) std::ofstream(to + std::to_string(i), std::ios::binary) << kept[i];
    }, folder);
    std::printf("%s kept and resumed on the test device\n", person ? "" : "the title,");
    std::printf("%8s %10s %12s %12s %10s %10s\n", "minutes", "frame", "kept bytes", "bytes/hour", "resume s", "cpu s");
    for (size_t i = 0; i < minutes.size(); ++i) {
        std::string path = folder + std::to_string(i);
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        size_t frame_at = text.str().find("\nframe ");
        int frame = frame_at == std::string::npos ? 0 : std::atoi(text.str().c_str() + frame_at + 7);
        std::printf("%8u %10d %12zu %12.0f ", minutes[i], frame, text.str().size(),
                    double(text.str().size()) * 60.0 / minutes[i]);
        std::fflush(stdout);
        in_own_process(print_resume, text.str());
        std::remove(path.c_str());
    }
    rmdir(folder.c_str());
    return 0;
}
