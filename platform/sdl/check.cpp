// The installation check (VORLEN_CHECK_FILES=1): instead of the game, read every picture and
// sound in the folders beside the executable's real path, where the game looks for them, and
// list them, so an installation can be checked without a screen or a person.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/common/files.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"
#include "platform/sdl/sdl_device.h"

namespace {

const int TGA_HEADER_BYTES = 18;

// The names in a host folder that end in the extension, sorted.
std::vector<std::string> files_in(const std::string &folder, const char *extension) {
    std::vector<std::string> names;
    std::error_code err;
    for (const auto &entry : std::filesystem::directory_iterator(folder, err))
        if (entry.path().extension() == extension) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The whole file, read through the device's own file calls.
std::vector<uint8_t> read_device_file(const std::string &host_path) {
    std::u16string path = device_path_of_host(host_path);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<uint8_t> bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    uint8_t block[4096];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) bytes.insert(bytes.end(), block, block + got);
    CloseHandle(file);
    return bytes;
}

// A 16-bit little-endian word of a file.
uint32_t tga_word(const std::vector<uint8_t> &f, size_t at) { return f[at] | uint32_t(f[at + 1]) << 8; }

// Prints a picture's size when it is a colour-mapped TGA holding all its pixels; 1 when so.
int check_picture(const std::string &folder, const std::string &name) {
    std::vector<uint8_t> f = read_device_file(folder + "/" + name);
    if (!tga_is_whole(f)) {
        std::printf("unreadable picture Graph/%s\n", name.c_str());
        return 0;
    }
    std::printf("picture Graph/%s %ux%u\n", name.c_str(), unsigned(tga_word(f, 12)), unsigned(tga_word(f, 14)));
    return 1;
}

// Prints a sound's length when SDL can decode it; 1 when so.
int check_sound(const std::string &folder, const std::string &name) {
    SDL_AudioSpec audio;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV((folder + "/" + name).c_str(), &audio, &samples, &length)) {
        std::printf("unreadable sound Sound/%s\n", name.c_str());
        return 0;
    }
    int frame_bytes = SDL_AUDIO_BITSIZE(audio.format) / 8 * audio.channels;
    std::printf("sound Sound/%s %.2f s\n", name.c_str(), double(length) / frame_bytes / audio.freq);
    SDL_FreeWAV(samples);
    return 1;
}

}  // namespace

// The sizes are counted in 64 bits: two header words of up to 65535 multiply beyond an int.
bool tga_is_whole(const std::vector<uint8_t> &f) {
    if (f.size() < size_t(TGA_HEADER_BYTES) || f[1] != 1 || f[2] != 1) return false;
    uint64_t map_bytes = uint64_t(tga_word(f, 5)) * ((f[7] + 7) / 8);
    uint64_t pixels = uint64_t(tga_word(f, 12)) * tga_word(f, 14);
    return f.size() >= TGA_HEADER_BYTES + f[0] + map_bytes + pixels;
}

int sdl_check_files() {
    WCHAR module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::string folder = std::filesystem::path(device_host_path(module)).parent_path().string();
    int pictures = 0, sounds = 0, failures = 0;
    for (const std::string &name : files_in(folder + "/Graph", ".tga"))
        check_picture(folder + "/Graph", name) ? ++pictures : ++failures;
    for (const std::string &name : files_in(folder + "/Sound", ".wav"))
        check_sound(folder + "/Sound", name) ? ++sounds : ++failures;
    std::printf("%d pictures and %d sounds beside %s\n", pictures, sounds, folder.c_str());
    return failures == 0 && pictures > 0 && sounds > 0 ? 0 : 1;
}
