// Start-up and shut-down: the single-instance check, the frame, GAPI, the font, full screen,
// the window class and the window, then the game's main loop.
#include <cstdlib>

#include "game/main_loop.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "graphics/sprite.h"
#include "shell/shell.h"

namespace {

const char16_t CLASS_NAME[] = u"vorlen";  // the window class and the window title
const int ICON_RESOURCE = 101;            // the executable's icon
const int WINDOW_WIDTH = 240;
const int WINDOW_HEIGHT = 320;
const int TEXT_MARGIN = 2;                // where the text cursor starts, x and y

HINSTANCE main_instance = nullptr;        // the instance create_main_window was given

// Gives back what start-up took, in the order of the normal exit: task bar shown, GAPI closed,
// the frame and the glyph rows freed. Both exits of WinMain come after start-up took all of it.
void shut_down() {
    set_full_screen(true);
    GXCloseInput();
    GXCloseDisplay();
    std::free(BackBuffer);
    BackBuffer = nullptr;
    draw_target = nullptr;
    sprite_target = nullptr;
    release_font();
}

// Opens the display and the keys and keeps what presentation and the window procedure need.
void open_gapi() {
    GXOpenDisplay(nullptr, GX_FULLSCREEN);
    GXOpenInput();
    input_state.keys = GXGetDefaultKeys(GX_NORMALKEYS);
    GXDisplayProperties properties = GXGetDisplayProperties();
    cBPP = properties.cBPP;
    cbxPitch = properties.cbxPitch;
    cbyPitch = properties.cbyPitch;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow) {
    HWND running = FindWindowW(CLASS_NAME, nullptr);
    if (running) {
        ShowWindow(running, SW_SHOW);
        return 0;
    }
    BackBuffer = static_cast<uint16_t *>(std::malloc(size_t(FRAME_WIDTH) * FRAME_HEIGHT * sizeof(uint16_t)));
    draw_target = BackBuffer;
    sprite_target = BackBuffer;
    open_gapi();
    input_state.tap_consumed = 1;
    input_state.pen_down = 0;
    input_state.key_a = input_state.key_b = input_state.key_c = input_state.key_start = 0;
    close_requested = 0;
    build_font();
    text_x = TEXT_MARGIN;
    text_y = TEXT_MARGIN;
    set_full_screen(false);
    mark_time();
    if (register_window_class(hInstance) == 0 || create_main_window(hInstance, nCmdShow) == 0) {
        shut_down();
        return 0;
    }
    run_game();
    shut_down();
    return 0;
}

ATOM register_window_class(HINSTANCE instance) {
    WNDCLASS window_class{};
    window_class.style = 0;
    window_class.lpfnWndProc = window_proc;
    window_class.cbClsExtra = 0;
    window_class.cbWndExtra = 0;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ICON_RESOURCE));
    window_class.hCursor = nullptr;
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszMenuName = nullptr;
    window_class.lpszClassName = CLASS_NAME;
    return RegisterClassW(&window_class);
}

int create_main_window(HINSTANCE instance, int show_command) {
    main_instance = instance;
    main_window = CreateWindowExW(WS_EX_TOPMOST, CLASS_NAME, CLASS_NAME, WS_VISIBLE, 0, 0, WINDOW_WIDTH,
                                  WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!main_window) return 0;
    ShowWindow(main_window, show_command);
    UpdateWindow(main_window);
    return 1;
}
