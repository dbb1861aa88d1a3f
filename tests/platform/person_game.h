// The short game a person plays through a desktop device's window, clicked, recorded and replayed
// alike on each device.
#ifndef VORLEN_TESTS_PLATFORM_PERSON_GAME_H
#define VORLEN_TESTS_PLATFORM_PERSON_GAME_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/session.h"
#include "tools/replay/replay.h"

// A person's short game, clicked through the window at chosen frames: the title opens the menu,
// New game, e2, e4.
inline void person_clicks(int frame, void (*click)(int x, int y)) {
    const int clicks[][3] = {{15, 120, 280}, {30, 57, 281}, {45, 135, 195}, {55, 135, 135}};
    for (const auto &c : clicks)
        if (frame == c[0]) click(c[1], c[2]);
}

// Expects the recording of that game on the rotated display, closed by its window's close box.
inline void expect_person_recorded(const std::string &text) {
    EXPECT_EQ(text.rfind(SESSION_HEADER "\ndisplay rotated\n", 0), 0u) << text;
    for (const char *event : {" down 120 280\n", " up 57 281\n", " down 135 195\n", " up 135 135\n", " close\n"})
        EXPECT_NE(text.find(event), std::string::npos) << event;
    EXPECT_TRUE(text.size() > 4 && text.compare(text.size() - 4, 4, SESSION_END "\n") == 0);  // closed cleanly
}

// Expects vorlen-replay's report of that recording: every frame played, to e2-e4 and the
// computer's answer (White to move again).
inline void expect_person_replayed(const std::string &report, const std::vector<uint64_t> &played) {
    EXPECT_EQ(report_frame_hashes(report), played);
    size_t at = report.find(" w - - 0 2");  // the line ends there, in a Windows pipe's way or not
    EXPECT_TRUE(at != std::string::npos && (report[at + 10] == '\n' || report[at + 10] == '\r'))
        << report.substr(report.size() > 200 ? report.size() - 200 : 0);
}

#endif
