// The browser's entry: lay the display out as the page asks (or as the session it replays or the
// kept game says), run the game's WinMain, and when it returns forget the kept game and let the
// page say that the game has ended.
#include <emscripten.h>

#include "platform/common/display.h"
#include "platform/common/session_device.h"
#include "platform/device.h"
#include "platform/web/internal.h"

namespace {

const int LAYOUT_NAME_SIZE = 16;  // longer than any layout's name

// The page's ?display= parameter, cut to the buffer (empty when there is none).
EM_JS(void, web_display_parameter, (char *name, int size), {
    stringToUTF8(VorlenWorker.displayParameter(), name, size);
});

EM_JS(void, web_game_ended, (), { VorlenWorker.gameEnded(); });

}  // namespace

int main() {
    char name[LAYOUT_NAME_SIZE];
    web_display_parameter(name, LAYOUT_NAME_SIZE);
    device_choose_layout(name);
    web_session_start();
    if (!device_session_playing()) web_keep_start();
    web_place_canvas();
    static WCHAR command_line[1] = {0};  // the game takes no arguments
    WinMain(nullptr, nullptr, command_line, SW_SHOW);
    web_keep_run_ended();
    web_game_ended();
    return 0;
}
