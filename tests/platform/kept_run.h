// What the desktop devices' kept-game tests share: a run of the game in a process of its own
// notes the window it shows at every frame, by number, in a file; the test reads those back,
// and the frame the kept file has reached, to compare a resumed window with the kept one.
#ifndef VORLEN_TESTS_PLATFORM_KEPT_RUN_H
#define VORLEN_TESTS_PLATFORM_KEPT_RUN_H

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/test_support.h"

// The frame a kept file is at (0: none).
inline int kept_frame(const std::string &kept_path) {
    std::string kept = file_text(kept_path);
    size_t at = kept.find("\nframe ");
    return at == std::string::npos ? 0 : std::atoi(kept.c_str() + at + 7);
}

// Notes the window shown at a frame.
inline void note_window(const std::string &windows_path, int frame, uint64_t hash) {
    std::ofstream(windows_path, std::ios::app) << frame << " " << hash << "\n";
}

// The windows a run noted, by frame.
inline std::map<int, uint64_t> noted_windows(const std::string &windows_path) {
    std::map<int, uint64_t> windows;
    std::istringstream lines(file_text(windows_path));
    int number = 0;
    uint64_t hash = 0;
    while (lines >> number >> hash) windows[number] = hash;
    return windows;
}

// Replaces the kept file with a kept game of another build, refused before anything plays, and
// starts the game: what the start said on stderr.
inline std::string said_on_a_foreign_kept_game(const std::string &kept_path, void (*start)()) {
    std::ofstream(kept_path, std::ios::binary) << "vorlen-kept 1\nbuild desktop\nframe 1 fnv1a64 0 bytes 0\n";
    testing::internal::CaptureStderr();
    start();
    return testing::internal::GetCapturedStderr();
}

// Changes one digit of the kept file's frame hash: its playback then misses the kept frame.
inline void spoil_kept_hash(const std::string &kept_path) {
    std::string kept = file_text(kept_path);
    size_t hash = kept.find(" fnv1a64 ") + 9;
    kept[hash] = kept[hash] == '0' ? '1' : '0';
    std::ofstream(kept_path, std::ios::binary) << kept;
}

#define FOREIGN_KEPT_GAME_SAID \
    "vorlen: the kept game could not be resumed (it was kept by another build); starting afresh\n"

#endif
