// The shell tests' stand-in for the game: run_game runs whatever the test sets here.
#ifndef VORLEN_TESTS_SHELL_GAME_STUB_H
#define VORLEN_TESTS_SHELL_GAME_STUB_H

#include <functional>

extern std::function<void()> game_body;  // what run_game does; empty: return at once
extern int game_runs;                    // how many times run_game has been entered

#endif
