// The test device's clock, module path, sounds, call record and power-on reset.
#include "platform/common/files.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {

const char16_t DEFAULT_MODULE_PATH[] = u"\\vorlen\\vorlen.exe";

uint32_t now = 0;                // the virtual tick count in milliseconds, wrapping at 2^32
uint32_t tick_step = 1;          // how far each GetTickCount read moves the clock on
std::u16string module_path = DEFAULT_MODULE_PATH;  // what GetModuleFileNameW reports
std::vector<HeadlessSound> sounds;                 // every PlaySoundW call in order
std::vector<std::string> calls;                    // every platform call by name, in order
bool record_calls = true;                          // false: calls are not noted
std::function<uint32_t(uint32_t)> read_hook;       // gives the clock's reading, when set

}  // namespace

void headless_record_call(const char *name) {
    if (record_calls) calls.emplace_back(name);
}
void headless_record_calls(bool keep) { record_calls = keep; }

void headless_reset_clock() {
    now = 0;
    tick_step = 1;
    read_hook = nullptr;
}

void headless_reset() {
    headless_reset_display();
    headless_reset_windows();
    headless_reset_files();
    headless_reset_clock();
    headless_reset_keep();
    module_path = DEFAULT_MODULE_PATH;
    sounds.clear();
    calls.clear();
    record_calls = true;
}

void headless_set_time(uint32_t ms) { now = ms; }
void headless_advance_time(uint32_t ms) { now += ms; }
void headless_set_tick_step(uint32_t ms) { tick_step = ms; }
uint32_t headless_tick_step() { return tick_step; }
uint32_t headless_time() { return now; }
void headless_on_read(std::function<uint32_t(uint32_t)> fn) { read_hook = std::move(fn); }
void headless_set_module_path(const std::u16string &path) { module_path = path; }
const std::vector<HeadlessSound> &headless_sounds() { return sounds; }
const std::vector<std::string> &headless_calls() { return calls; }

// Not recorded as a call: busy-waits read the clock thousands of times a frame.
DWORD GetTickCount(void) {
    if (read_hook) now = read_hook(now);
    now = headless_keep_read(now);
    uint32_t reading = now;
    now += tick_step;
    return reading;
}

void Sleep(DWORD dwMilliseconds) {
    headless_record_call("Sleep");
    headless_keep_sleep(dwMilliseconds);
    now += dwMilliseconds;
}

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize) {
    headless_record_call("GetModuleFileNameW");
    return device_copy_module_path(module_path, lpFilename, nSize);
}

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD fdwSound) {
    headless_record_call("PlaySoundW");
    if (headless_keep_silent()) return TRUE;
    sounds.push_back(HeadlessSound{pszSound ? std::u16string(pszSound) : std::u16string(), fdwSound});
    return TRUE;
}
