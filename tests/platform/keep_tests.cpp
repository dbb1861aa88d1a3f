// Keeping a game on the test device. A run of a recorded session (the person) is kept and cut at a
// chosen moment, in a process of its own; the kept text is then resumed in this process, which
// must reach the kept frame and, given the same input from there, present the very frames, sounds,
// position and clocks the uncut run did. Kept texts that cannot be resumed are refused.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "platform/common/keep.h"
#include "platform/headless/headless.h"
#include "tests/test_support.h"
#include "tools/replay/replay.h"

namespace {

const char BUILD[] = "keep-tests";

Session session_file(const std::string &name) {
    Session session;
    std::string error;
    EXPECT_EQ(session_parse(file_text(VORLEN_SESSIONS_DIR "/" + name + ".session"), &session, &error), 1) << error;
    return session;
}

// What a run presented from its kept frame on.
struct RunAfter {
    std::string kept;               // the kept text at the cut (the uncut run only)
    int cut = -1;                   // the kept frame
    size_t next_line = 0;           // the person's first line not yet played at the cut
    std::vector<std::string> seen;  // per frame from the cut: its hash; per sound: its path
    std::string end;                // the position, the clocks and how the run ended
};

RunAfter run;                  // the run in this process
Session person;                // the person's input
uint32_t cut_tick = 0;         // the uncut run is kept and cut at the first frame from this tick
bool resuming = false;         // this run resumes a kept text
size_t sounds_seen = 0;

// The person's input: the session's lines at the pump's looks (not while the keeper plays back).
void person_looks() {
    if (keep_state() != KEEP_CATCHING_UP) session_play_look(headless_time(), device_post);
}

// Notes the sounds made since the last frame, then the frame, once the cut has come.
void note(int frame) {
    const std::vector<HeadlessSound> &sounds = headless_sounds();
    for (; sounds_seen < sounds.size(); ++sounds_seen)
        run.seen.push_back("sound " + std::string(sounds[sounds_seen].path.begin(), sounds[sounds_seen].path.end()));
    char hash[40];
    std::snprintf(hash, sizeof hash, "frame %d %016llx", frame,
                  (unsigned long long)fnv1a64(device_display_memory(), device_display_size()));
    run.seen.push_back(hash);
}

// At the cut both runs go on with the person's lines not yet played, from a player started
// afresh, so that the two are driven alike from there.
void go_on_from(size_t line) {
    Session rest = person;
    rest.lines.erase(rest.lines.begin(), rest.lines.begin() + long(line));
    session_play(rest);
}

void on_frame(int frame) {
    // A device starts afresh after a refusal; this one ends the refused run instead.
    if (keep_state() == KEEP_REFUSED && device_window_alive() && device_queue_size() == 0) headless_close();
    if (run.cut < 0 && !resuming && headless_time() >= cut_tick) {
        run.cut = frame;
        run.kept = keep_text();
        run.next_line = session_played();
        go_on_from(run.next_line);
        sounds_seen = headless_sounds().size();
    } else if (run.cut < 0 && resuming && headless_resumed_frame() == frame) {
        run.cut = frame;
        go_on_from(run.next_line);
        EXPECT_TRUE(headless_sounds().empty()) << "the playback was heard";
    }
    if (run.cut >= 0) note(frame);
}

// Runs the game to its end on a device that keeps it: a fresh run, or one resuming kept.
void play(const std::string &kept) {
    headless_reset();
    headless_record_frames(false);
    headless_add_game_folders(VORLEN_BIN_DIR);
    resuming = !kept.empty();
    sounds_seen = 0;
    if (!resuming) session_play(person);
    if (headless_keep(kept, BUILD) != int(resuming)) ADD_FAILURE() << "refused: " << keep_refusal();
    headless_on_look(person_looks);
    headless_on_frame(on_frame);
    int status = WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    run.end = position_fen() + " white " + std::to_string(time_used[0]) + "/" + std::to_string(time_budget[0]) +
              " black " + std::to_string(time_used[1]) + "/" + std::to_string(time_budget[1]) + " exit " +
              std::to_string(status) + " frames " + std::to_string(headless_frame_count());
}

// Lines of text, each on its own line.
std::string joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) text += line + "\n";
    return text;
}

// The uncut run, kept and cut at the first frame from tick, played in a process of its own (the
// game's state is the process's); what it presented from the cut on.
RunAfter uncut_run(const std::string &session, uint32_t tick) {
    person = session_file(session);
    cut_tick = tick;
    PrivateFolder folder("vorlen-keep-");
    pid_t child = fork();
    if (child == 0) {
        play("");
        std::ofstream(folder.file("kept"), std::ios::binary) << run.kept;
        std::ofstream(folder.file("after")) << run.cut << "\n" << run.next_line << "\n" << run.end << "\n" << joined(run.seen);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    RunAfter uncut;
    uncut.kept = file_text(folder.file("kept"));
    std::vector<std::string> after = lines_of(file_text(folder.file("after")));
    if (after.size() >= 3) {
        uncut.cut = std::stoi(after[0]);
        uncut.next_line = std::stoul(after[1]);
        uncut.end = after[2];
        uncut.seen.assign(after.begin() + 3, after.end());
    }
    return uncut;
}

// The kept text with one thing replaced.
std::string replaced(std::string text, const std::string &from, const std::string &to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

struct Moment {
    const char *name;
    const char *session;
    uint32_t tick;
};

void PrintTo(const Moment &moment, std::ostream *out) { *out << moment.name; }

class Resume : public testing::TestWithParam<Moment> {};

// Each moment a game may be left at comes back on its frame and goes on exactly as the uncut run.
TEST_P(Resume, ReachesTheKeptFrameAndPlaysOnAlike) {
    RunAfter uncut = uncut_run(GetParam().session, GetParam().tick);
    ASSERT_GT(uncut.cut, 1);
    ASSERT_FALSE(uncut.kept.empty());
    run = RunAfter{};
    run.next_line = uncut.next_line;
    play(uncut.kept);
    EXPECT_EQ(keep_refusal(), "");
    EXPECT_EQ(run.cut, uncut.cut);
    ASSERT_FALSE(run.seen.empty());
    EXPECT_EQ(run.seen.front(), uncut.seen.front()) << "the kept frame";
    EXPECT_EQ(joined(run.seen), joined(uncut.seen));
    EXPECT_EQ(run.end, uncut.end);
    EXPECT_EQ(keep_run_ended(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, Resume,
    testing::Values(Moment{"MenuFromTheTitle", "menu-and-about", 800}, Moment{"MenuFromAGame", "menu-and-about", 2400},
                    Moment{"PieceHeld", "person-against-computer", 5700},
                    Moment{"SlideHalfDone", "person-against-computer", 5890},
                    Moment{"ComputersTurn", "person-against-computer", 6150},
                    Moment{"PromotionPanel", "person-against-computer", 40250},
                    Moment{"ClocksRunning", "people-time-out", 8000}),
    [](const testing::TestParamInfo<Moment> &moment) { return std::string(moment.param.name); });

// A kept text that plays back differently is found out on the kept frame or at the game's end:
// nothing is kept from there, and the device starts afresh.
TEST(ResumeRefused, WhenThePlaybackDiffers) {
    RunAfter uncut = uncut_run("person-against-computer", 40000);
    ASSERT_FALSE(uncut.kept.empty());
    size_t hash_at = uncut.kept.find(" fnv1a64 ") + 9;
    std::string other_hash = uncut.kept;
    other_hash[hash_at] = other_hash[hash_at] == '0' ? '1' : '0';
    struct Case {
        const char *name;
        std::string kept;
        bool refused_on_the_frame;
    };
    // A tap on another square: the same lines' count and bytes, another game.
    std::string other_tap = replaced(uncut.kept, "down 195 195", "down 165 195");
    std::string ended = replaced(uncut.kept, "down 57 281", "down 57 281\n0 close");
    ended = replaced(ended, " bytes " + std::to_string(uncut.kept.size() - uncut.kept.find("vorlen-session")),
                     " bytes " + std::to_string(ended.size() - ended.find("vorlen-session")));
    for (const Case &c : {Case{"another hash", other_hash, true}, Case{"another tap", other_tap, true},
                          Case{"the game ended first", ended, false}}) {
        pid_t child = fork();
        if (child == 0) {
            run = RunAfter{};
            resuming = true;
            play(c.kept);
            int run_ended = keep_run_ended();
            bool refused = keep_state() == KEEP_REFUSED && keep_text().empty() && headless_resumed_frame() < 0;
            _exit(run_ended == 0 && refused && !keep_refusal().empty() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.name;
    }
}

// Kept texts that are found wanting before anything plays: each is refused with a reason, and the
// run that starts instead is the power-on one, at the title.
TEST(ResumeRefused, BeforeAnythingPlays) {
    const std::string session = "vorlen-session 1\ndisplay packed\nstart 0\nstep 0\n500 down 120 280\n50 up 120 280\n";
    const std::string head = "vorlen-kept 1\nbuild keep-tests\nframe 20 fnv1a64 0123456789abcdef bytes ";
    const std::string good = head + std::to_string(session.size()) + "\n" + session;
    struct Case {
        const char *name;
        std::string kept;
    };
    const Case cases[] = {
        {"not kept", "vorlen-session 1\n"},
        {"garbage", std::string("\x00\xff\n\x01", 4)},
        {"another build", replaced(good, "build keep-tests", "build other")},
        {"cut in the head", good.substr(0, 30)},
        {"cut in a line", good.substr(0, good.size() - 5)},
        {"cut at a line's end", good.substr(0, good.size() - 14)},
        {"more than it says", good + "0 close\n"},
        {"no frame", replaced(good, "frame 20", "frame 0")},
        {"too many frames", replaced(good, "frame 20", "frame 99999999")},
        {"a negative size", replaced(good, "bytes " + std::to_string(session.size()), "bytes -1")},
        {"a bad hash", replaced(good, "0123456789abcdef", "0123456789abcdeg")},
        {"a bad line", replaced(good, "50 up", "50 upp")},
        {"a bad clock", replaced(good, "50 up 120 280", "5 ~x1234")},
    };
    for (const Case &c : cases) {
        std::string why;
        EXPECT_EQ(keep_resume(c.kept, BUILD, &why), 0) << c.name;
        EXPECT_FALSE(why.empty()) << c.name;
        EXPECT_EQ(keep_state(), KEEP_REFUSED) << c.name;
    }
    std::string why;
    EXPECT_EQ(keep_resume(good, BUILD, &why), 1) << why;
    keep_stop();

    person = Session{};
    run = RunAfter{};
    headless_reset();
    headless_add_game_folders(VORLEN_BIN_DIR);
    EXPECT_EQ(headless_keep(cases[2].kept, BUILD), 0);
    EXPECT_EQ(keep_state(), KEEP_LIVE);
    // The title left alone has nothing to lose; once touched, the run is kept.
    headless_on_frame([](int frame) {
        if (frame == 20) {
            EXPECT_EQ(keep_text(), "");
            headless_tap(120, 280);
        }
        if (frame == 40) headless_close();
    });
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    EXPECT_EQ(position_fen(), "none") << "no game was played back";
    EXPECT_NE(keep_text().find("frame "), std::string::npos) << "the fresh run is kept";
    EXPECT_EQ(keep_run_ended(), 1);
    EXPECT_EQ(keep_text(), "");
}

// A real clock's lines, as the desktop records them, take under a third of their bytes.
TEST(KeptForm, IsTight) {
    const std::string text = "1079789 clock 1079812\n1079812 clock 1079857\n1079915 clock 1079916\n"
                             "1080037+1 clock 1080038\n1080068 clock 1080070\n1080100 clock 1080104\n";
    uint32_t base = 1079789;
    EXPECT_LT(keep_tighten(text, &base).size() * 3, text.size());
}

// The kept form gives back every line exactly: clocks across the wrap and backwards, jumps,
// every kind of input, moments let pass, comments and the header.
TEST(KeptForm, GivesBackEveryLine) {
    const std::string text =
        "vorlen-session 1\n# a comment\n\ndisplay grey2\nstart 4294967000\nstep 0\n"
        "4294967000 clock 4294967290\n4294967295+3 clock 5\n5 down -32768 65535\n5+1 up 3 4\n"
        "40 move 1 2\n40 key-down start\n41 key-up 200\n100 jump 4294967295\n99 clock 20\n20 activate\n"
        "20 deactivate\n30 message 1234 4294967295 7\n31+4294967295 close\n";
    uint32_t base = 0;
    std::string tight = keep_tighten(text, &base);
    std::string loose;
    ASSERT_EQ(keep_loosen(tight, &loose), 1);
    EXPECT_EQ(loose, text);
    // In pieces, as the recorder writes it, the same.
    base = 0;
    std::string pieces;
    for (const std::string &line : lines_of(text)) pieces += keep_tighten(line + "\n", &base);
    EXPECT_EQ(pieces, tight);
    for (const char *bad : {"5 ~", "5 ~2147483648", "5+ down 1 2", "5 jump x", "4294967296 close", "5"}) {
        EXPECT_EQ(keep_loosen(std::string("start 0\n") + bad + "\n", &loose), 0) << bad;
    }
}

}  // namespace
