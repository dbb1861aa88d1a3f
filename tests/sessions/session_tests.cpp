// Every session of this folder replayed through the game, its output compared exactly with the
// one recorded for it: the frames' hashes, the sounds, the position, the clocks and the exit
// status. The recorded outputs are the reference and change only on purpose: with
// VORLEN_SESSION_RECORD set, a test writes its session's output afresh instead of comparing (after
// a change that is meant to alter what the game shows, and only then).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/replay/replay.h"

namespace {

// The names of the sessions the build found.
std::vector<std::string> session_names() {
    std::vector<std::string> names;
    std::istringstream list(VORLEN_SESSION_NAMES);
    for (std::string name; std::getline(list, name, ',');) names.push_back(name);
    return names;
}

// A file's bytes; empty when it cannot be read.
std::string file_text(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The first line at which two texts differ, with both versions of it.
std::string first_difference(const std::string &expected, const std::string &actual) {
    std::istringstream a(expected), b(actual);
    std::string line_a, line_b;
    for (int number = 1;; ++number) {
        bool more_a = bool(std::getline(a, line_a)), more_b = bool(std::getline(b, line_b));
        if (!more_a && !more_b) return "the texts differ only in their line ends";
        if (!more_a || !more_b || line_a != line_b)
            return "line " + std::to_string(number) + ": expected \"" + (more_a ? line_a : "(end)") +
                   "\", replayed \"" + (more_b ? line_b : "(end)") + "\"";
    }
}

class Sessions : public testing::TestWithParam<std::string> {};

TEST_P(Sessions, ReplayToTheirRecordedOutput) {
    std::string base = std::string(VORLEN_SESSIONS_DIR) + "/" + GetParam();
    Session session;
    std::string error;
    ASSERT_EQ(session_parse(file_text(base + ".session"), &session, &error), 1) << base << ".session: " << error;
    ReplayOptions options;
    options.assets = VORLEN_BIN_DIR;
    std::string actual = replay_session(session, options).report;
    if (std::getenv("VORLEN_SESSION_RECORD")) {
        std::ofstream(base + ".expected", std::ios::binary) << actual;
        GTEST_SKIP() << "recorded " << base << ".expected";
    }
    std::string expected = file_text(base + ".expected");
    ASSERT_FALSE(expected.empty()) << base << ".expected is missing";
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    EXPECT_TRUE(actual == expected)
        << base << ".session no longer replays to its recorded output; " << first_difference(expected, actual)
        << ".\nIf the change is meant to alter what the game shows, record it again with\n  VORLEN_SESSION_RECORD=1 "
        << "ctest -R '" << test->test_suite_name() << "." << test->name() << " '\nand review the diff.";
}

// A test's name from its session's: letters and digits kept, anything else an underscore.
std::string test_name(const testing::TestParamInfo<std::string> &session) {
    std::string name = session.param;
    for (char &c : name)
        if (!std::isalnum((unsigned char)c)) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Recorded, Sessions, testing::ValuesIn(session_names()), test_name);

}  // namespace
