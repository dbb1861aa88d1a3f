// Sessions as text, played and recorded, with nothing of a device: the text of every kind of line
// read and written back, the faults a reader must name, the moments at which a player lets lines
// happen, and a recorded run played back moment for moment.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "platform/common/session.h"
#include "platform/common/windows.h"

namespace {

// The messages a player posted, in order, with the look they came at: look, message, wParam, lParam.
using Posted = std::tuple<int, UINT, WPARAM, LPARAM>;
std::vector<Posted> posted;
int look_number = 0;

void note(UINT message, WPARAM w_param, LPARAM l_param) {
    posted.emplace_back(look_number, message, w_param, l_param);
}

Session parsed(const std::string &text) {
    Session session;
    std::string error;
    EXPECT_EQ(session_parse(text, &session, &error), 1) << error;
    return session;
}

// What an unknown event's fault lists.
#define EVENTS "(the events are down, move, up, key-down, key-up, activate, deactivate, close, message, jump, clock)"

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
    EXPECT_EQ(fault_of(SESSION_HEADER "\nend\n1 close\n"), "line 3: nothing may follow the end line");
    // Each fault says what the line needs: the names it may use, a number's range.
    const std::string range = " is not a whole number from ";
    const std::pair<const char *, std::string> bad[] = {
        {"display packed16", "unknown display layout 'packed16' (the layouts are packed, padded, rotated, grey4, grey2)"},
        {"step -1", "step '-1'" + range + "0 to 4294967295"},
        {"start", "'start' takes one value"},
        {"1 down 2147483648 -2147483648", "x '2147483648'" + range + "-32768 to 65535"},
        {"1 down 3 -32769", "y '-32769'" + range + "-32768 to 65535"},
        {"1 down 3", "'down' takes x and y"},
        {"-1 close", "the tick '-1'" + range + "0 to 4294967295"},
        {"1+x close", "the count after + 'x'" + range + "0 to 4294967295"},
        {"1 key-down q", "key 'q' is none of up, down, left, right, a, b, c, start, nor a number from 0 to 65535"},
        {"1 jump", "'jump' takes milliseconds"},
        {"1 clock 4294967296", "the time '4294967296'" + range + "0 to 4294967295"},
        {"1 message 1 2 -3", "lParam '-3'" + range + "0 to 4294967295"},
        {"1 fly", "unknown event 'fly' " EVENTS},
        {"1 close now", "'close' takes nothing more"},
        {"close", "not a session line: a timed line is a moment and an event"},
    };
    for (const auto &line : bad)
        EXPECT_EQ(fault_of(std::string(SESSION_HEADER "\n") + line.first + "\n"), "line 2: " + line.second);
}

TEST(SessionText, AFaultShowsTheFilesUnprintableBytesEscaped) {
    std::string fault = fault_of(SESSION_HEADER "\n1 \x1b[2J\x1b]0;title\x07\\ \xff\n");
    EXPECT_EQ(fault, "line 2: unknown event '\\x1b[2J\\x1b]0;title\\x07\\\\' " EVENTS);
    EXPECT_EQ(session_printable(std::string("a\0b\tc\r\n", 7)), "a\\x00b\\x09c\\x0d\\x0a");
}

TEST(SessionText, ACutLastLineIsLeftOutAndTheMissingEndIsNamed) {
    // A recording cut mid-line: the tap at y 19 never happens.
    Session cut = parsed(SESSION_HEADER "\n100 down 45 195\n23100 down 45 19");
    ASSERT_EQ(cut.lines.size(), 1u);
    EXPECT_EQ(cut.cut_line, 3);
    EXPECT_FALSE(cut.ended);
    EXPECT_EQ(session_damage(cut),
              "line 3 is cut short (no newline at its end) and is left out: the session plays up to the line before");
    // Cut exactly at a line's end: only the missing end line shows it.
    Session stopped = parsed(SESSION_HEADER "\n100 down 45 195\n");
    EXPECT_EQ(stopped.cut_line, 0);
    EXPECT_EQ(session_damage(stopped), "it has no end line: it may have stopped early (it plays as far as it goes)");
    Session whole = parsed(SESSION_HEADER "\n100 down 45 195\nend\n# a comment after the end\n");
    EXPECT_TRUE(whole.ended);
    EXPECT_EQ(session_damage(whole), "");
    // Even the end line needs its newline; a cut comment loses nothing.
    EXPECT_EQ(parsed(SESSION_HEADER "\nend").cut_line, 2);
    Session commented = parsed(SESSION_HEADER "\nend\n# not");
    EXPECT_TRUE(commented.ended);
    EXPECT_EQ(commented.cut_line, 0);
    EXPECT_EQ(fault_of(SESSION_HEADER "\n1 fly\n2 close"), "line 2: unknown event 'fly' " EVENTS);
}

TEST(SessionText, TheWholeTextIsWrittenAsItIsRead) {
    const std::string text = SESSION_HEADER "\ndisplay padded\nstart 4\nstep 2\n1+3 key-up start\n2 clock 9\nend\n";
    EXPECT_EQ(session_text(parsed(text)), text);
    Session unended = parsed(SESSION_HEADER "\n1 close\n");
    EXPECT_EQ(session_text(unended), SESSION_HEADER "\ndisplay packed\nstart 0\nstep 1\n1 close\n");
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
    EXPECT_EQ(std::get<1>(posted.back()), UINT(WM_CLOSE));
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

TEST(SessionPlay, LinesDueAtOnceComeAFewThousandToAReadSoThePumpRunsDry) {
    std::string text = SESSION_HEADER "\n";
    for (int i = 0; i < SESSION_INPUT_PER_READ * 2 + 5; ++i) text += "0 move 120 160\n";
    session_play(parsed(text));
    posted.clear();
    session_play_look(0, note);
    EXPECT_EQ(posted.size(), size_t(SESSION_INPUT_PER_READ));
    session_play_look(0, note);  // the pump looks again and again before the game reads the clock
    session_play_look(0, note);
    EXPECT_EQ(posted.size(), size_t(SESSION_INPUT_PER_READ));
    session_play_read(0);
    session_play_look(0, note);
    session_play_read(0);
    session_play_look(0, note);
    EXPECT_EQ(posted.size(), size_t(SESSION_INPUT_PER_READ * 2 + 5));
    EXPECT_TRUE(session_finished());
}

TEST(SessionPlay, IdleFramesCountFromTheLookThatFoundALineHappened) {
    session_play(parsed(SESSION_HEADER "\n5 close\n2147483648 close\n"));
    posted.clear();
    session_play_frame();
    session_play_look(0, note);
    EXPECT_EQ(session_idle_frames(), 1u);  // nothing has happened since the start
    session_play_frame();
    session_play_look(5, note);
    EXPECT_EQ(session_idle_frames(), 0u);
    for (int i = 0; i < 30; ++i) {
        session_play_frame();
        session_play_look(5 + 1000 * i, note);  // the second line is 2^31 ms ahead: it never comes
    }
    EXPECT_EQ(session_idle_frames(), 30u);
    EXPECT_EQ(session_unplayed(), 1u);
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
    session_record_stop(true);
    EXPECT_FALSE(session_recording());
    EXPECT_EQ(recorded.substr(recorded.size() - 4), SESSION_END "\n");

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
            expected.emplace_back(look_number, msg.message, msg.wParam, msg.lParam);
    }
    EXPECT_EQ(posted, expected);
    EXPECT_TRUE(session_finished());
}

}  // namespace
