// Sessions as text, played and recorded, with nothing of a device: the text of every kind of line
// read and written back, the faults a reader must name, the moments at which a player lets lines
// happen, and a recorded run played back moment for moment.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/common/session.h"
#include "platform/common/windows.h"

namespace {

// The messages a player posted, in order, with the look they came at.
struct Posted {
    int look;
    UINT message;
    WPARAM w_param;
    LPARAM l_param;
    bool operator==(const Posted &o) const {
        return look == o.look && message == o.message && w_param == o.w_param && l_param == o.l_param;
    }
};
std::vector<Posted> posted;
int look_number = 0;

void note(UINT message, WPARAM w_param, LPARAM l_param) {
    posted.push_back(Posted{look_number, message, w_param, l_param});
}

Session parsed(const std::string &text) {
    Session session;
    std::string error;
    EXPECT_EQ(session_parse(text, &session, &error), 1) << error;
    return session;
}

// The error a malformed text gives.
std::string fault_of(const std::string &text) {
    Session session;
    std::string error;
    EXPECT_EQ(session_parse(text, &session, &error), 0) << text;
    return error;
}

TEST(SessionText, EveryKindOfLineIsReadAndWrittenBackAsItWasGiven) {
    const std::string lines =
        "0 down 120 280\n"
        "5+2 move -3 65535\n"
        "9 up 0 319\n"
        "10 key-down start\n"
        "10+1 key-up 4660\n"
        "11 activate\n"
        "12 deactivate\n"
        "13 close\n"
        "14 message 1024 7 65537\n"
        "15 jump 600000\n"
        "4294967295 clock 17\n";
    Session session = parsed("# a comment\n" SESSION_HEADER "\r\ndisplay grey2\nstart 99\n\nstep 0\n" + lines);
    EXPECT_EQ(session.display, "grey2");
    EXPECT_EQ(session.start, 99u);
    EXPECT_EQ(session.step, 0u);
    ASSERT_EQ(session.lines.size(), 11u);
    EXPECT_EQ(session.lines[0].message, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(session.lines[0].l_param, MAKELPARAM(120, 280));
    EXPECT_EQ(session.lines[1].skip, 2u);
    EXPECT_EQ(session.lines[3].w_param, WPARAM(DEVICE_VK_START));
    EXPECT_EQ(session.lines[9].kind, SESSION_JUMP);
    // 65535 is the same 16-bit half as -1, and is written as -1.
    std::string written;
    for (const SessionLine &line : session.lines) written += session_line_text(line);
    std::string expected = lines;
    expected.replace(expected.find("65535"), 5, "-1");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(session_header_text(session), SESSION_HEADER "\ndisplay grey2\nstart 99\nstep 0\n");
}

TEST(SessionText, AMalformedTextIsRefusedNamingItsLine) {
    EXPECT_EQ(fault_of(""), "empty: the first line must be \"" SESSION_HEADER "\"");
    EXPECT_EQ(fault_of("display packed\n"), "line 1: the first line must be \"" SESSION_HEADER "\"");
    EXPECT_EQ(fault_of(SESSION_HEADER "\n1 close\nstep 1\n"), "line 3: the header's lines come before the timed ones");
    const char *bad[] = {"display tv", "1 down 70000 3", "1 down 3", "-1 close", "1+x close", "1 key-down q",
                         "1 jump", "1 clock 4294967296", "1 fly", "step -1", "1 close now"};
    for (const char *line : bad)
        EXPECT_EQ(fault_of(std::string(SESSION_HEADER "\n") + line + "\n"),
                  std::string("line 2: not a session line: ") + line);
}

TEST(SessionPlay, InputHappensAtTheLooksItNamesAndTheClockAtReads) {
    Session session = parsed(SESSION_HEADER "\n"
                             "10 down 1 1\n"
                             "10 up 1 1\n"
                             "10+2 move 2 2\n"
                             "20 jump 1000\n"
                             "20 clock 5\n"
                             "0 close\n");
    posted.clear();
    session_play(session);
    look_number = 1;
    session_play_look(9, note);  // too early
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(session_play_read(15), 15u);  // input is next: reads change nothing
    session_play_look(12, note);            // down and up together; the move lets this look pass
    look_number = 2;
    session_play_look(12, note);            // and this one
    look_number = 3;
    session_play_look(12, note);
    std::vector<Posted> expected = {{1, WM_LBUTTONDOWN, 1, MAKELPARAM(1, 1)},
                                    {1, WM_LBUTTONUP, 0, MAKELPARAM(1, 1)},
                                    {3, WM_MOUSEMOVE, 1, MAKELPARAM(2, 2)}};
    EXPECT_EQ(posted, expected);
    look_number = 4;
    session_play_look(30, note);  // a clock line is next: looks pass it by
    EXPECT_EQ(posted.size(), 3u);
    EXPECT_EQ(session_play_read(19), 19u);
    EXPECT_EQ(session_play_read(20), 1020u);  // one clock line a read
    EXPECT_EQ(session_play_read(1020), 5u);
    EXPECT_FALSE(session_finished());
    session_play_look(5, note);
    EXPECT_TRUE(session_finished());
    EXPECT_EQ(session_played(), 6u);
    EXPECT_EQ(posted.back().message, UINT(WM_CLOSE));
}

TEST(SessionPlay, ThePlayedClockStartsAtTheStartMovesOnByTheStepAndTakesTheClockLines) {
    Session session = parsed(SESSION_HEADER "\nstart 100\nstep 3\n105 jump 50\n0 clock 7\n");
    session_play(session);
    EXPECT_EQ(session_play_time(), 100u);
    EXPECT_EQ(session_play_clock(), 100u);
    EXPECT_EQ(session_play_time(), 103u);  // a look of the time is no read
    EXPECT_EQ(session_play_clock(), 103u);
    EXPECT_EQ(session_play_clock(), 156u);  // 106 has reached 105: the jump, then the read
    session_play_sleep(40);
    EXPECT_EQ(session_play_clock(), 7u);
    EXPECT_EQ(session_play_clock(), 10u);
    EXPECT_TRUE(session_finished());
}

TEST(SessionPlay, TheClockRunsOnAcrossItsWrap) {
    Session session = parsed(SESSION_HEADER "\n4294967000 jump 10\n5 close\n");
    posted.clear();
    session_play(session);
    EXPECT_EQ(session_play_read(3000000000u), 3000000000u);  // 4294967000 is still ahead
    EXPECT_EQ(session_play_read(4294967100u), 4294967110u);
    session_play_look(4294967290u, note);  // 5 is ahead until the clock wraps
    EXPECT_TRUE(posted.empty());
    session_play_look(6, note);
    EXPECT_EQ(posted.size(), 1u);
}

std::string recorded;
void keep(const std::string &text) { recorded += text; }

// One moment of a device's run: a read of the clock (what it read), a Sleep, or a look with the
// messages the host posted during it.
struct Moment {
    int kind;  // 0 read, 1 sleep, 2 look
    uint32_t value;
    std::vector<MSG> messages;
};

TEST(SessionRecord, ARecordedRunPlaysBackWithTheSameReadingsAndInputAtTheSameMoments) {
    // A run with a clock that stands still for a while, runs ahead of the sleeps, and input that
    // comes at looks of one reading, several to a look.
    std::mt19937 random(7);
    std::vector<Moment> run;
    uint32_t host = 5000;
    for (int i = 0; i < 3000; ++i) {
        int kind = int(random() % 3);
        Moment moment{kind, 0, {}};
        if (kind == 0) host += random() % 4 == 0 ? random() % 3 : 0;
        if (kind == 1) moment.value = random() % 31;
        if (kind == 1) host += moment.value + random() % 2;
        if (kind == 0) moment.value = host;
        for (int m = kind == 2 && random() % 5 == 0 ? int(random() % 3) + 1 : 0; m > 0; --m) {
            MSG msg{};
            msg.message = m == 1 ? WM_LBUTTONDOWN : WM_KEYDOWN;
            msg.wParam = WPARAM(random() % 2);
            msg.lParam = MAKELPARAM(random() % 240, random() % 320);
            moment.messages.push_back(msg);
        }
        run.push_back(moment);
    }
    recorded.clear();
    session_record_start("rotated", 4990, keep);
    for (const Moment &moment : run) {
        if (moment.kind == 0) session_record_read(moment.value);
        if (moment.kind == 1) session_record_sleep(moment.value);
        if (moment.kind == 2) session_record_look(moment.messages);
    }
    session_record_stop();
    EXPECT_FALSE(session_recording());

    // Played on a device whose clock is the played clock: the same readings, the same input at
    // the same looks.
    Session session = parsed(recorded);
    EXPECT_EQ(session.display, "rotated");
    session_play(session);
    posted.clear();
    look_number = 0;
    std::vector<Posted> expected;
    for (const Moment &moment : run) {
        if (moment.kind == 0) {
            ASSERT_EQ(session_play_clock(), moment.value);
        }
        if (moment.kind == 1) session_play_sleep(moment.value);
        if (moment.kind != 2) continue;
        ++look_number;
        session_play_look(session_play_time(), note);
        for (const MSG &msg : moment.messages)
            expected.push_back(Posted{look_number, msg.message, msg.wParam, msg.lParam});
    }
    EXPECT_EQ(posted, expected);
    EXPECT_TRUE(session_finished());
}

}  // namespace
