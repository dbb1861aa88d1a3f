// Reading the frame hashes back from a replay's report, for tests that compare a device's frames
// with the headless device's.
#include <cstdlib>
#include <sstream>

#include "tools/replay/replay.h"

std::vector<uint64_t> report_frame_hashes(const std::string &report) {
    std::istringstream lines(report);
    std::vector<uint64_t> hashes;
    for (std::string line; std::getline(lines, line);) {
        size_t at = line.find(" fnv1a64 ");
        if (line.rfind("frame ", 0) == 0 && at != std::string::npos)
            hashes.push_back(std::strtoull(line.c_str() + at + 9, nullptr, 16));
    }
    return hashes;
}
