// PlaySoundW in the browser: the page decodes each WAV file once through Web Audio and plays
// it; a new sound cuts off the one playing, the no-sound call stops it. Until the first tap
// lets the page make sound, and where there is no audio, every sound is silence.
#include <emscripten.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/common/files.h"

namespace {

EM_JS(int, web_sound_known, (const char *path), { return VorlenDevice.soundKnown(UTF8ToString(path)); });
EM_JS(void, web_sound_add, (const char *path, const uint8_t *bytes, int size),
      { VorlenDevice.addSound(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size)); });
EM_JS(void, web_sound_play, (const char *path), { VorlenDevice.playSound(UTF8ToString(path)); });
EM_JS(void, web_sound_stop, (), { VorlenDevice.stopSound(); });

// The whole file at a host path; false when it cannot be read.
bool read_whole(const std::string &path, std::vector<uint8_t> *bytes) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    off_t size = lseek(fd, 0, SEEK_END);
    bool ok = size > 0 && lseek(fd, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(size_t(size));
        ok = read(fd, bytes->data(), bytes->size()) == ssize_t(size);
    }
    close(fd);
    return ok;
}

}  // namespace

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD) {
    if (!pszSound) {
        web_sound_stop();
        return TRUE;
    }
    std::string path = device_host_path(pszSound);
    if (!web_sound_known(path.c_str())) {
        std::vector<uint8_t> bytes;
        if (!read_whole(path, &bytes)) return FALSE;
        web_sound_add(path.c_str(), bytes.data(), int(bytes.size()));
    }
    web_sound_play(path.c_str());
    return TRUE;
}
