// Fuzz target: the engine tool reading a FEN and a move list. The input is the FEN, a NUL
// byte, then the moves (no NUL: the start position and the whole input as moves); each input
// is listed, counted to depth 1 and divided.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/engine/commands.h"

namespace {

FILE *sink = nullptr;  // the tool's output and errors, thrown away

// Runs the tool on one command with the position options, when they are given.
void run(const char *command, const char *depth, const std::string *fen, const std::string &moves) {
    const char *argv[8] = {"vorlen-engine", command};
    int argc = 2;
    if (depth) argv[argc++] = depth;
    if (fen) {
        argv[argc++] = "--fen";
        argv[argc++] = fen->c_str();
    }
    argv[argc++] = "--moves";
    argv[argc++] = moves.c_str();
    run_engine_tool(argc, argv, sink, sink);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    sink = std::fopen("/dev/null", "w");
    if (!sink) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data), size);
    size_t split = text.find('\0');
    std::string fen = split == std::string::npos ? std::string() : text.substr(0, split);
    std::string moves = split == std::string::npos ? text : text.substr(split + 1);
    moves.erase(std::strlen(moves.c_str()));  // a second NUL ends the moves
    const std::string *position = split == std::string::npos ? nullptr : &fen;
    run("moves", nullptr, position, moves);
    run("perft", "1", position, moves);
    run("divide", "1", position, moves);
    return 0;
}
