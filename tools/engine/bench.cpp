// The benchmark: perft speed on a fixed set of positions, and the nodes and time of the
// computer's move choice at every level over the same positions, summed by level band. It uses
// only the engine's oldest calls, so tools/bench/engine.sh can build it against an older engine
// too and compare the two in one run.
#include "tools/engine/bench.h"

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
// Each level's searches run at least BENCH_RUNS times and until BENCH_SPAN_MS have passed (at
// most BENCH_MAX_RUNS times); the fastest run counts, since other work only slows a run down.
#define BENCH_RUNS 5
#define BENCH_SPAN_MS 250.0
#define BENCH_MAX_RUNS 2000
// Levels 0-4, 5-9 and 10-14: the same depths, then with the giveaway search, then other values.
#define LEVEL_BAND_SIZE 5
#define ERROR_SIZE 160

using BenchClock = std::chrono::steady_clock;

// Milliseconds since `start`, with a fraction.
double ms_since(BenchClock::time_point start) {
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// Millions per second of `count` things done in `ms` milliseconds.
double millions_per_second(double count, double ms) { return ms > 0 ? count / ms / 1000.0 : 0.0; }

// Loads one of the positions; they are fixed, so a failure is the program's own fault.
void load_bench_position(int index) {
    char error[ERROR_SIZE];
    if (!load_fen(BENCH_POSITIONS[index], error, ERROR_SIZE)) {
        fprintf(stderr, "vorlen-engine: bench position %d: %s\n", index, error);
        abort();
    }
}

// Perft at a fixed depth on each position, with its speed, and the speed over all of them.
void bench_perft(FILE *out) {
    fprintf(out, "perft %d over %d positions\n", BENCH_PERFT_DEPTH, BENCH_POSITION_COUNT);
    uint64_t all_leaves = 0;
    double all_ms = 0;
    for (int index = 0; index < BENCH_POSITION_COUNT; index++) {
        load_bench_position(index);
        BenchClock::time_point start = BenchClock::now();
        uint64_t leaves = perft(BENCH_PERFT_DEPTH);
        double ms = ms_since(start);
        all_leaves += leaves;
        all_ms += ms;
        fprintf(out, "  position %d  leaves %10" PRIu64 "  %9.1f ms  %7.2f M leaves/s\n", index,
                leaves, ms, millions_per_second((double)leaves, ms));
    }
    fprintf(out, "  all         leaves %10" PRIu64 "  %9.1f ms  %7.2f M leaves/s\n", all_leaves,
            all_ms, millions_per_second((double)all_leaves, all_ms));
}

// The computer's choice at one level on every position, the fastest of the runs: adds the
// nodes of one run and its time to the totals.
void bench_level(int level_value, int64_t *nodes, double *ms, FILE *out) {
    int64_t run_nodes = 0;
    double best_ms = 0;
    BenchClock::time_point first = BenchClock::now();
    for (int run = 0; run < BENCH_MAX_RUNS && (run < BENCH_RUNS || ms_since(first) < BENCH_SPAN_MS);
         run++) {
        double run_ms = 0;
        run_nodes = 0;
        for (int index = 0; index < BENCH_POSITION_COUNT; index++) {
            load_bench_position(index);
            level = (int8_t)level_value;
            search_depth = depth_for_level(level_value);
            srand(BENCH_SEED);
            int64_t before = nodes_counted;
            BenchClock::time_point start = BenchClock::now();
            choose_computer_move(nullptr);
            run_ms += ms_since(start);
            run_nodes += nodes_counted - before;
        }
        if (run == 0 || run_ms < best_ms) best_ms = run_ms;
    }
    fprintf(out, "  level %2d depth %d  nodes %8" PRId64 "  %9.2f ms  %7.2f M nodes/s\n",
            level_value, depth_for_level(level_value), run_nodes, best_ms,
            millions_per_second((double)run_nodes, best_ms));
    *nodes += run_nodes;
    *ms += best_ms;
}

}  // namespace

// Perft speed first, then the move choice level by level and by band.
void run_bench(FILE *out) {
    bench_perft(out);
    fprintf(out, "computer's choice over %d positions, seed %d, fastest of the runs in %.0f ms\n",
            BENCH_POSITION_COUNT, BENCH_SEED, BENCH_SPAN_MS);
    int64_t band_nodes[LEVEL_COUNT / LEVEL_BAND_SIZE] = {0};
    double band_ms[LEVEL_COUNT / LEVEL_BAND_SIZE] = {0};
    for (int level_value = 0; level_value < LEVEL_COUNT; level_value++) {
        int band = level_value / LEVEL_BAND_SIZE;
        bench_level(level_value, &band_nodes[band], &band_ms[band], out);
        fflush(out);
    }
    for (int band = 0; band < LEVEL_COUNT / LEVEL_BAND_SIZE; band++) {
        fprintf(out, "  levels %2d-%-2d      nodes %8" PRId64 "  %9.2f ms  %7.2f M nodes/s\n",
                band * LEVEL_BAND_SIZE, band * LEVEL_BAND_SIZE + LEVEL_BAND_SIZE - 1,
                band_nodes[band], band_ms[band],
                millions_per_second((double)band_nodes[band], band_ms[band]));
    }
}
