// PlaySoundW in the browser: the page decodes each WAV file once through Web Audio and plays
// it; a new sound cuts off the one playing, the no-sound call stops it. Until the first tap
// lets the page make sound, and where there is no audio, every sound is silence.
#include <emscripten.h>

#include <string>
#include <vector>

#include "platform/common/files.h"
#include "platform/common/session_device.h"

namespace {

EM_JS(int, web_sound_known, (const char *path), { return VorlenWorker.soundKnown(UTF8ToString(path)); });
EM_JS(void, web_sound_add, (const char *path, const uint8_t *bytes, int size),
      { VorlenWorker.addSound(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size)); });
EM_JS(void, web_sound_play, (const char *path), { VorlenWorker.playSound(UTF8ToString(path)); });
EM_JS(void, web_sound_stop, (), { VorlenWorker.stopSound(); });

const DWORD READ_CHUNK = 16384;

// The whole file at a device path, read through the device's own file calls; false when it
// cannot be opened.
bool read_whole(LPCWSTR path, std::vector<uint8_t> *bytes) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD got = 0;
    do {
        size_t had = bytes->size();
        bytes->resize(had + READ_CHUNK);
        if (!ReadFile(file, bytes->data() + had, READ_CHUNK, &got, nullptr)) got = 0;
        bytes->resize(had + got);
    } while (got == READ_CHUNK);
    CloseHandle(file);
    return true;
}

}  // namespace

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD) {
    if (device_session_catching_up()) return TRUE;  // a kept game plays back unheard
    if (!pszSound) {
        web_sound_stop();
        return TRUE;
    }
    std::string path = device_host_path(pszSound);
    if (!web_sound_known(path.c_str())) {
        std::vector<uint8_t> bytes;
        if (!read_whole(pszSound, &bytes)) return FALSE;
        web_sound_add(path.c_str(), bytes.data(), int(bytes.size()));
    }
    web_sound_play(path.c_str());
    return TRUE;
}
