// The engine's observable results against a table recorded from an earlier, slower engine: the
// divide counts of varied positions, the computer's choice (move, score, nodes, source) at every
// level and several seeds, and the points of the search at which the clock hook runs. The table
// is the reference: a faster engine must reproduce every row. Each row reads
//   KIND ; POSITION ; ARGUMENTS ; RESULT
// where POSITION is a FEN or "moves ..." played from the start. With VORLEN_GOLDEN_RECORD set to a
// path, the rows are computed afresh and written there instead of compared (after a change that is
// meant to alter results, and only then).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/search.h"
#include "tests/engine/engine_fixture.h"

namespace {

#define HOOK_START_COUNT 5000  // node_count when a hook row starts, so the first charge comes early

// One row of the table.
struct GoldenRow {
    std::string kind, position, arguments, result;
};

// The words of a text separated by blanks.
std::vector<std::string> words_of(const std::string &text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// The text with its leading and trailing blanks removed.
std::string trimmed(const std::string &text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Every row of the table, comments and blank lines skipped.
std::vector<GoldenRow> read_table() {
    std::ifstream file(VORLEN_GOLDEN_FILE);
    std::vector<GoldenRow> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream stream(line);
        for (std::string field; std::getline(stream, field, ';');) fields.push_back(trimmed(field));
        if (fields.size() == 4) rows.push_back(GoldenRow{fields[0], fields[1], fields[2], fields[3]});
    }
    return rows;
}

// The tool's arguments that set up the row's position.
std::vector<std::string> position_arguments(const std::string &position) {
    if (position.compare(0, 5, "moves") != 0) return {"--fen", position};
    std::string moves = trimmed(position.substr(5));
    if (moves.empty()) return {};
    return {"--moves", moves};
}

// Runs the tool on the row's position and returns its output with lines joined by blanks.
std::string tool_output(const std::vector<std::string> &command, const std::string &position) {
    std::vector<std::string> words = command;
    for (const std::string &word : position_arguments(position)) words.push_back(word);
    std::vector<const char *> args;
    for (const std::string &word : words) args.push_back(word.c_str());
    ToolRun run = run_tool(args);
    std::string joined;
    for (const std::string &word : words_of(run.out)) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

// An FNV-1a hash of the piece table and the board map: where in the tree the search stands.
uint32_t position_hash() {
    const uint8_t *bytes[2] = {(const uint8_t *)PieceTable, (const uint8_t *)BoardMap};
    size_t sizes[2] = {sizeof PieceTable, sizeof BoardMap};
    uint32_t hash = 2166136261u;
    for (int part = 0; part < 2; part++) {
        for (size_t index = 0; index < sizes[part]; index++) hash = (hash ^ bytes[part][index]) * 16777619u;
    }
    return hash;
}

std::string hook_points;  // what the recording hook has seen in this row
int64_t hook_start;       // nodes_counted when the row's search started

// The clock hook of a hook row: notes the node and the position at which it runs.
void record_hook_point() {
    std::ostringstream point;
    point << (hook_points.empty() ? "" : " ") << nodes_counted - hook_start << ':' << std::hex
          << position_hash();
    hook_points += point.str();
}

// The row's result as the engine computes it now.
std::string compute_result(const GoldenRow &row) {
    std::vector<std::string> args = words_of(row.arguments);
    if (row.kind == "divide") return tool_output({"divide", args.at(0)}, row.position);
    std::vector<std::string> command = {"bestmove", "--level", args.at(0), "--seed", args.at(1)};
    if (row.kind == "bestmove") {
        // "bestmove MOVE score S nodes N source X" kept as "MOVE S N X".
        std::vector<std::string> words = words_of(tool_output(command, row.position));
        if (words.size() != 8) return "malformed output";
        return words[1] + " " + words[3] + " " + words[5] + " " + words[7];
    }
    hook_points.clear();
    hook_start = nodes_counted;
    node_count = HOOK_START_COUNT;
    node_charge_hook = record_hook_point;
    std::string choice = tool_output(command, row.position);
    node_charge_hook = nullptr;
    return hook_points;
}

// Writes the table again with every result computed now.
void record_table(const char *path, const std::vector<GoldenRow> &rows) {
    std::ifstream old(VORLEN_GOLDEN_FILE);
    std::ofstream file(path);
    for (std::string line; std::getline(old, line) && line[0] == '#';) file << line << '\n';
    for (const GoldenRow &row : rows) {
        file << row.kind << " ; " << row.position << " ; " << row.arguments << " ; "
             << compute_result(row) << '\n';
    }
}

// Checks every row of one kind (and, for bestmove rows, one level) against the table.
void check_rows(const std::string &kind, int level_value) {
    std::vector<GoldenRow> rows = read_table();
    ASSERT_GT(rows.size(), 100u) << "the table " VORLEN_GOLDEN_FILE " is missing";
    int checked = 0;
    for (const GoldenRow &row : rows) {
        if (row.kind != kind) continue;
        if (level_value >= 0 && std::atoi(row.arguments.c_str()) != level_value) continue;
        EXPECT_EQ(compute_result(row), row.result) << row.kind << " ; " << row.position << " ; " << row.arguments;
        checked++;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace

TEST(Golden, DivideCounts) {
    const char *record_path = std::getenv("VORLEN_GOLDEN_RECORD");
    if (record_path) {
        record_table(record_path, read_table());
        GTEST_SKIP() << "recorded the table to " << record_path;
    }
    check_rows("divide", -1);
}

TEST(Golden, HookPoints) { check_rows("hook", -1); }

class GoldenChoice : public testing::TestWithParam<int> {};

TEST_P(GoldenChoice, MoveScoreNodesAndSource) { check_rows("bestmove", GetParam()); }

INSTANTIATE_TEST_SUITE_P(EveryLevel, GoldenChoice, testing::Range(0, LEVEL_COUNT));
