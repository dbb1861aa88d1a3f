// The benchmark: perft speed on a fixed set of positions, and the time and nodes of the
// computer's move choice at every level over the same positions.
#include "tools/engine/bench.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdlib>

#include "engine/search.h"
#include "tools/engine/fen.h"
#include "tools/engine/perft.h"

const char *const BENCH_POSITIONS[BENCH_POSITION_COUNT] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
    "1nbqkbnr/r2ppp2/ppp3pp/8/8/PP3PP1/2PPPK1P/RNB1QBNR w - - 0 7",
    "2bqk2r/2pn1p2/7p/1p2p3/4P3/P7/2P2PPP/4KBNR w - - 0 11",
    "1nbq1bn1/1r1ppr2/ppp1kppp/8/8/PPPPPPPP/2Q3B1/RNB1K1NR w - - 0 15",
    "1r2k3/p3p3/P7/8/8/8/1PP1PP2/1N1K4 w - - 0 19",
};

namespace {

#define BENCH_PERFT_DEPTH 5
#define BENCH_SEED 1
#define ERROR_SIZE 160

using BenchClock = std::chrono::steady_clock;

// Milliseconds since `start`, with a fraction.
double ms_since(BenchClock::time_point start) {
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// Loads one of the positions; they are fixed, so a failure is the program's own fault.
void load_bench_position(int index) {
    char error[ERROR_SIZE];
    if (!load_fen(BENCH_POSITIONS[index], error, ERROR_SIZE)) {
        fprintf(stderr, "vorlen-engine: bench position %d: %s\n", index, error);
        abort();
    }
}

// Perft at a fixed depth on each position, with its speed.
void bench_perft(FILE *out) {
    fprintf(out, "perft %d\n", BENCH_PERFT_DEPTH);
    for (int index = 0; index < BENCH_POSITION_COUNT; index++) {
        load_bench_position(index);
        BenchClock::time_point start = BenchClock::now();
        uint64_t leaves = perft(BENCH_PERFT_DEPTH);
        double ms = ms_since(start);
        fprintf(out, "  position %d  leaves %9" PRIu64 "  %8.1f ms  %6.2f M leaves/s\n", index,
                leaves, ms, ms > 0 ? (double)leaves / ms / 1000.0 : 0.0);
    }
}

// The computer's choice at one level on every position: median and worst time and nodes.
void bench_level(int level_value, FILE *out) {
    double times[BENCH_POSITION_COUNT];
    int64_t nodes[BENCH_POSITION_COUNT];
    for (int index = 0; index < BENCH_POSITION_COUNT; index++) {
        load_bench_position(index);
        level = (int8_t)level_value;
        search_depth = depth_for_level(level_value);
        srand(BENCH_SEED);
        int64_t before = nodes_counted;
        BenchClock::time_point start = BenchClock::now();
        choose_computer_move(nullptr);
        times[index] = ms_since(start);
        nodes[index] = nodes_counted - before;
    }
    std::sort(times, times + BENCH_POSITION_COUNT);
    std::sort(nodes, nodes + BENCH_POSITION_COUNT);
    int middle = BENCH_POSITION_COUNT / 2;
    fprintf(out,
            "  level %2d depth %d  time median %9.1f ms worst %9.1f ms  nodes median %10" PRId64
            " worst %10" PRId64 "\n",
            level_value, depth_for_level(level_value), times[middle],
            times[BENCH_POSITION_COUNT - 1], nodes[middle], nodes[BENCH_POSITION_COUNT - 1]);
}

}  // namespace

// Perft speed first, then the move choice level by level.
void run_bench(FILE *out) {
    bench_perft(out);
    fprintf(out, "computer's choice over %d positions, seed %d\n", BENCH_POSITION_COUNT,
            BENCH_SEED);
    for (int level_value = 0; level_value < LEVEL_COUNT; level_value++) {
        bench_level(level_value, out);
        fflush(out);
    }
}
