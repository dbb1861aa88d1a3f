// What the tests of several subsystems share: a private folder, files read whole and texts by
// lines, and whether the standard error can be captured.
#ifndef VORLEN_TESTS_TEST_SUPPORT_H
#define VORLEN_TESTS_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>
// A private folder for a test program's files, removed at exit (each test runs in a process of its
// own, side by side with the others).
struct PrivateFolder {
    std::filesystem::path path;
    explicit PrivateFolder(const std::string &prefix)
        : path(std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(path);
    }
    ~PrivateFolder() { std::filesystem::remove_all(path); }
    std::string file(const std::string &name) const { return (path / name).string(); }
};

// A file's bytes; empty when it cannot be read.
inline std::string file_text(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The lines of a text.
inline std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// Whether this host lets a test read back the standard error (the WebAssembly build under Node
// writes it past the descriptors that capture it): the warnings' text is checked only there.
inline bool stderr_capturable() {
    testing::internal::CaptureStderr();
    std::fputs("?", stderr);
    return testing::internal::GetCapturedStderr() == "?";
}

#endif
