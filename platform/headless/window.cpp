// The test device's windows and message queue: the registered class, the game's window, the
// Pocket PC task bar and another instance's window; messages queued by tests and delivered
// only by the pump to the window's class procedure.
#include <deque>
#include <string>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

// The backend's window record, opaque to the game.
struct DeviceWindow {
    std::u16string class_name;
    WNDPROC procedure;
    RECT rect;
    bool visible;
    bool alive;
};

namespace {

const int MAX_CLASSES = 8;  // more than the game ever registers
// The handle LoadIconW and GetStockObject give: any non-null value serves the game.
int resource_token = 0;

struct WindowClass {
    std::u16string name;
    WNDPROC procedure;
};
WindowClass classes[MAX_CLASSES];  // registered classes, the first class_count in use
int class_count = 0;               // 0..MAX_CLASSES
// The game's window, alive once created.
DeviceWindow main_record{u"", nullptr, RECT{0, 0, 240, 320}, false, false};
// The shell's task bar window across the top of the screen, shown at power-on.
DeviceWindow taskbar_record{u"HHTaskbar", nullptr, RECT{0, 0, 240, 26}, true, true};
// A window of an instance already running, when a test says there is one.
DeviceWindow other_record{u"vorlen", nullptr, RECT{0, 0, 240, 320}, false, false};
std::deque<MSG> queue;             // posted messages, oldest first; hwnd 0: the game's window
bool fail_register = false;        // true: RegisterClassW refuses
bool fail_create = false;          // true: CreateWindowExW refuses

// The null-terminated wide string as an owned string (empty for null).
std::u16string text_of(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

// The window record a handle names, or null when it names no live window.
DeviceWindow *live(HWND window) {
    for (DeviceWindow *record : {&main_record, &taskbar_record, &other_record})
        if (window == record && record->alive) return record;
    return nullptr;
}

// Puts a window record into its starting state: a full-screen window, alive and shown or not.
void reset_record(DeviceWindow *record, const char16_t *class_name, bool alive) {
    *record = DeviceWindow{class_name, nullptr, RECT{0, 0, 240, 320}, alive, alive};
}

// Sends a message straight to the window's procedure, as window creation and destruction do.
LRESULT send(DeviceWindow *record, UINT message, WPARAM w_param, LPARAM l_param) {
    if (!record->procedure) return 0;
    return record->procedure(record, message, w_param, l_param);
}

// Whether a message passes the pump's window and range filters (0, 0 takes every message).
bool matches(const MSG &msg, HWND window, UINT low, UINT high) {
    if (window && msg.hwnd != window) return false;
    if (low == 0 && high == 0) return true;
    return msg.message >= low && msg.message <= high;
}

// Finds the first queued message the filters take; the queue's end when there is none.
std::deque<MSG>::iterator find_message(HWND window, UINT low, UINT high) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (it->hwnd == nullptr && it->message != WM_QUIT) it->hwnd = &main_record;
        if (matches(*it, window, low, high)) return it;
    }
    return queue.end();
}

// Queues a message for a window (null for the game's window, resolved when it is fetched).
void post(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = w_param;
    msg.lParam = l_param;
    msg.time = headless_time();
    queue.push_back(msg);
}

}  // namespace

void headless_reset_windows() {
    for (WindowClass &window_class : classes) window_class = WindowClass{};
    class_count = 0;
    reset_record(&main_record, u"", false);
    reset_record(&taskbar_record, u"HHTaskbar", true);
    taskbar_record.rect = RECT{0, 0, 240, 26};
    headless_set_other_instance(false);
    queue.clear();
    fail_register = false;
    fail_create = false;
}

void headless_post(UINT message, WPARAM w_param, LPARAM l_param) { post(nullptr, message, w_param, l_param); }

void headless_tap(int x, int y) {
    headless_post(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y));
    headless_post(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void headless_close() { headless_post(WM_CLOSE, 0, 0); }
void headless_set_other_instance(bool running) {
    // The other instance is running behind whatever is in front: hidden until shown.
    reset_record(&other_record, u"vorlen", running);
    other_record.visible = false;
}
void headless_fail_register_class(bool fail) { fail_register = fail; }
void headless_fail_create_window(bool fail) { fail_create = fail; }
RECT headless_window_rect() { return main_record.rect; }
bool headless_window_visible() { return main_record.alive && main_record.visible; }
bool headless_window_alive() { return main_record.alive; }
bool headless_taskbar_visible() { return taskbar_record.visible; }
bool headless_other_instance_shown() { return other_record.alive && other_record.visible; }
size_t headless_queued_messages() { return queue.size(); }

HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
    headless_record_call("FindWindowW");
    std::u16string name = text_of(lpClassName);
    std::u16string title = text_of(lpWindowName);
    for (DeviceWindow *record : {&other_record, &main_record, &taskbar_record}) {
        bool title_fits = !lpWindowName || title == record->class_name;
        if (record->alive && record->class_name == name && title_fits) return record;
    }
    return nullptr;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    headless_record_call("ShowWindow");
    DeviceWindow *record = live(hWnd);
    if (!record) return FALSE;
    bool was_visible = record->visible;
    record->visible = nCmdShow != SW_HIDE;
    return was_visible;
}

BOOL UpdateWindow(HWND hWnd) {
    headless_record_call("UpdateWindow");
    return live(hWnd) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
    headless_record_call("MoveWindow");
    DeviceWindow *record = live(hWnd);
    if (!record) return FALSE;
    record->rect = RECT{X, Y, X + nWidth, Y + nHeight};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT *lpRect) {
    headless_record_call("GetWindowRect");
    DeviceWindow *record = live(hWnd);
    if (!record || !lpRect) return FALSE;
    *lpRect = record->rect;
    return TRUE;
}

BOOL DestroyWindow(HWND hWnd) {
    headless_record_call("DestroyWindow");
    DeviceWindow *record = live(hWnd);
    if (!record) return FALSE;
    send(record, WM_DESTROY, 0, 0);
    record->alive = false;
    record->visible = false;
    return TRUE;
}

ATOM RegisterClassW(const WNDCLASS *lpWndClass) {
    headless_record_call("RegisterClassW");
    if (fail_register || !lpWndClass || !lpWndClass->lpszClassName || class_count == MAX_CLASSES)
        return 0;
    classes[class_count] = WindowClass{text_of(lpWndClass->lpszClassName), lpWndClass->lpfnWndProc};
    ++class_count;
    return ATOM(0xC000 + class_count);
}

HWND CreateWindowExW(DWORD, LPCWSTR lpClassName, LPCWSTR, DWORD dwStyle, int X, int Y, int nWidth,
                     int nHeight, HWND, HMENU, HINSTANCE, LPVOID) {
    headless_record_call("CreateWindowExW");
    std::u16string name = text_of(lpClassName);
    const WindowClass *found = nullptr;
    for (int i = 0; i < class_count; ++i)
        if (classes[i].name == name) found = &classes[i];
    if (fail_create || !found || main_record.alive) return nullptr;
    main_record = DeviceWindow{name, found->procedure, RECT{X, Y, X + nWidth, Y + nHeight},
                               (dwStyle & WS_VISIBLE) != 0, true};
    // Creation sends WM_CREATE before it returns; a refusal (-1) destroys the window.
    if (send(&main_record, WM_CREATE, 0, 0) == -1) {
        main_record.alive = false;
        return nullptr;
    }
    return &main_record;
}

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
    headless_record_call("DefWindowProcW");
    // A close request's default processing destroys the window.
    if (Msg == WM_CLOSE) DestroyWindow(hWnd);
    return 0;
}

void PostQuitMessage(int nExitCode) {
    headless_record_call("PostQuitMessage");
    post(nullptr, WM_QUIT, WPARAM(nExitCode), 0);
}

BOOL PeekMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    headless_record_call("PeekMessageW");
    auto it = find_message(hWnd, wMsgFilterMin, wMsgFilterMax);
    if (it == queue.end()) return FALSE;
    *lpMsg = *it;
    if (wRemoveMsg & PM_REMOVE) queue.erase(it);
    return TRUE;
}

BOOL GetMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    headless_record_call("GetMessageW");
    auto it = find_message(hWnd, wMsgFilterMin, wMsgFilterMax);
    // Nothing can arrive while a test's program waits, so an empty queue is an error, not a hang.
    if (it == queue.end()) {
        *lpMsg = MSG{};
        return -1;
    }
    *lpMsg = *it;
    queue.erase(it);
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG *) {
    headless_record_call("TranslateMessage");
    return FALSE;
}

LRESULT DispatchMessageW(const MSG *lpMsg) {
    headless_record_call("DispatchMessageW");
    DeviceWindow *record = lpMsg ? live(lpMsg->hwnd) : nullptr;
    if (!record) return 0;
    return send(record, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

HICON LoadIconW(HINSTANCE, LPCWSTR) {
    headless_record_call("LoadIconW");
    return &resource_token;
}

HGDIOBJ GetStockObject(int) {
    headless_record_call("GetStockObject");
    return &resource_token;
}

BOOL SHFullScreen(HWND hwndRequester, DWORD) {
    headless_record_call("SHFullScreen");
    return live(hwndRequester) ? TRUE : FALSE;
}

int GXOpenInput(void) {
    headless_record_call("GXOpenInput");
    return 1;
}

int GXCloseInput(void) {
    headless_record_call("GXCloseInput");
    return 1;
}

GXKeyList GXGetDefaultKeys(int) {
    headless_record_call("GXGetDefaultKeys");
    GXKeyList keys{};
    keys.vkUp = VK_UP;
    keys.vkDown = VK_DOWN;
    keys.vkLeft = VK_LEFT;
    keys.vkRight = VK_RIGHT;
    keys.vkA = HEADLESS_VK_A;
    keys.vkB = HEADLESS_VK_B;
    keys.vkC = HEADLESS_VK_C;
    keys.vkStart = HEADLESS_VK_START;
    return keys;
}
