// The shell tests' run_game: counts its calls and runs the test's body.
#include "tests/shell/game_stub.h"

#include "shell/shell.h"

std::function<void()> game_body;
int game_runs = 0;

void run_game() {
    ++game_runs;
    if (game_body) game_body();
}
