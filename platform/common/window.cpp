// The device's windows and message queue: the registered class, the game's window, the
// Pocket PC task bar and another instance's window; posted messages are delivered only by the
// pump, to the window's class procedure.
#include <deque>
#include <string>

#include "platform/common/windows.h"

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
const RECT FULL_SCREEN_RECT{0, 0, 240, 320};
const RECT TASKBAR_RECT{0, 0, 240, 26};
// The handle LoadIconW and GetStockObject give: any non-null value serves the game.
int resource_token = 0;

struct WindowClass {
    std::u16string name;
    WNDPROC procedure;
};
WindowClass classes[MAX_CLASSES];  // registered classes, the first class_count in use
int class_count = 0;               // 0..MAX_CLASSES
// The game's window, alive once created.
DeviceWindow main_record{u"", nullptr, FULL_SCREEN_RECT, false, false};
// The shell's task bar window across the top of the screen, shown at power-on.
DeviceWindow taskbar_record{u"HHTaskbar", nullptr, TASKBAR_RECT, true, true};
// Stands for the window of an instance running in another process.
DeviceWindow other_record{u"vorlen", nullptr, FULL_SCREEN_RECT, false, true};
std::deque<MSG> queue;             // posted messages, oldest first; hwnd 0: the game's window
bool refuse_class = false;         // true: RegisterClassW refuses
bool refuse_window = false;        // true: CreateWindowExW refuses
void (*post_watch)(const MSG &) = nullptr;  // sees every message device_post queues

// The null-terminated wide string as an owned string (empty for null).
std::u16string text_of(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

// The window record a handle names, or null when it names no live window.
DeviceWindow *live(HWND window) {
    if (window == &other_record) return device_other_instance_running() ? &other_record : nullptr;
    for (DeviceWindow *record : {&main_record, &taskbar_record})
        if (window == record && record->alive) return record;
    return nullptr;
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

// Gathers the host's input, then finds the first queued message the filters take; the
// queue's end when there is none.
std::deque<MSG>::iterator find_message(HWND window, UINT low, UINT high) {
    device_collect_input();
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (it->hwnd == nullptr && it->message != WM_QUIT) it->hwnd = &main_record;
        if (matches(*it, window, low, high)) return it;
    }
    return queue.end();
}

// Queues a message for a window (null for the game's window).
void post(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = w_param;
    msg.lParam = l_param;
    msg.time = device_message_time();
    queue.push_back(msg);
}

}  // namespace

void device_windows_reset() {
    for (WindowClass &window_class : classes) window_class = WindowClass{};
    class_count = 0;
    main_record = DeviceWindow{u"", nullptr, FULL_SCREEN_RECT, false, false};
    taskbar_record = DeviceWindow{u"HHTaskbar", nullptr, TASKBAR_RECT, true, true};
    queue.clear();
    refuse_class = false;
    refuse_window = false;
}

void device_post(UINT message, WPARAM w_param, LPARAM l_param) {
    post(nullptr, message, w_param, l_param);
    if (post_watch) post_watch(queue.back());
}

void device_watch_posts(void (*watch)(const MSG &)) { post_watch = watch; }
size_t device_queue_size() { return queue.size(); }
RECT device_window_rect() { return main_record.rect; }
bool device_window_visible() { return main_record.alive && main_record.visible; }
bool device_window_alive() { return main_record.alive; }
bool device_taskbar_visible() { return taskbar_record.visible; }
void device_refuse_class(bool refuse) { refuse_class = refuse; }
void device_refuse_window(bool refuse) { refuse_window = refuse; }

HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
    device_record_call("FindWindowW");
    std::u16string name = text_of(lpClassName);
    // Window titles are the class names here ("vorlen"); the task bar has none to match.
    bool title_fits = !lpWindowName || text_of(lpWindowName) == name;
    if (!title_fits) return nullptr;
    for (DeviceWindow *record : {&other_record, &main_record, &taskbar_record})
        if (live(record) && record->class_name == name) return record;
    return nullptr;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    device_record_call("ShowWindow");
    DeviceWindow *record = live(hWnd);
    if (!record) return FALSE;
    if (record == &other_record) {
        device_show_other_instance();
        return FALSE;
    }
    bool was_visible = record->visible;
    record->visible = nCmdShow != SW_HIDE;
    if (record == &main_record) device_window_changed();
    return was_visible;
}

BOOL UpdateWindow(HWND hWnd) {
    device_record_call("UpdateWindow");
    return live(hWnd) ? TRUE : FALSE;
}

// The window's rectangle is kept as the game sets it; the screen itself does not move.
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
    device_record_call("MoveWindow");
    DeviceWindow *record = live(hWnd);
    if (!record) return FALSE;
    record->rect = RECT{X, Y, X + nWidth, Y + nHeight};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT *lpRect) {
    device_record_call("GetWindowRect");
    DeviceWindow *record = live(hWnd);
    if (!record || !lpRect) return FALSE;
    *lpRect = record->rect;
    return TRUE;
}

BOOL DestroyWindow(HWND hWnd) {
    device_record_call("DestroyWindow");
    DeviceWindow *record = live(hWnd);
    if (record != &main_record) return FALSE;
    send(record, WM_DESTROY, 0, 0);
    record->alive = false;
    record->visible = false;
    device_window_changed();
    return TRUE;
}

ATOM RegisterClassW(const WNDCLASS *lpWndClass) {
    device_record_call("RegisterClassW");
    if (refuse_class || !lpWndClass || !lpWndClass->lpszClassName || class_count == MAX_CLASSES) return 0;
    classes[class_count] = WindowClass{text_of(lpWndClass->lpszClassName), lpWndClass->lpfnWndProc};
    ++class_count;
    return ATOM(0xC000 + class_count);
}

HWND CreateWindowExW(DWORD, LPCWSTR lpClassName, LPCWSTR, DWORD dwStyle, int X, int Y, int nWidth,
                     int nHeight, HWND, HMENU, HINSTANCE, LPVOID) {
    device_record_call("CreateWindowExW");
    std::u16string name = text_of(lpClassName);
    const WindowClass *found = nullptr;
    for (int i = 0; i < class_count; ++i)
        if (classes[i].name == name) found = &classes[i];
    if (refuse_window || !found || main_record.alive) return nullptr;
    main_record = DeviceWindow{name, found->procedure, RECT{X, Y, X + nWidth, Y + nHeight},
                               (dwStyle & WS_VISIBLE) != 0, true};
    // Creation sends WM_CREATE before it returns; a refusal (-1) undoes the window.
    if (send(&main_record, WM_CREATE, 0, 0) == -1) {
        main_record.alive = false;
        return nullptr;
    }
    device_window_changed();
    return &main_record;
}

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
    device_record_call("DefWindowProcW");
    // A close request's default processing destroys the window.
    if (Msg == WM_CLOSE) DestroyWindow(hWnd);
    return 0;
}

void PostQuitMessage(int nExitCode) {
    device_record_call("PostQuitMessage");
    post(nullptr, WM_QUIT, WPARAM(nExitCode), 0);
}

BOOL PeekMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    device_record_call("PeekMessageW");
    auto it = find_message(hWnd, wMsgFilterMin, wMsgFilterMax);
    if (it == queue.end()) return FALSE;
    *lpMsg = *it;
    if (wRemoveMsg & PM_REMOVE) queue.erase(it);
    return TRUE;
}

BOOL GetMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    device_record_call("GetMessageW");
    auto it = find_message(hWnd, wMsgFilterMin, wMsgFilterMax);
    // The game only fetches what a peek has seen; an empty queue is an error, never a hang.
    if (it == queue.end()) {
        *lpMsg = MSG{};
        return -1;
    }
    *lpMsg = *it;
    queue.erase(it);
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG *) {
    device_record_call("TranslateMessage");
    return FALSE;
}

LRESULT DispatchMessageW(const MSG *lpMsg) {
    device_record_call("DispatchMessageW");
    DeviceWindow *record = lpMsg ? live(lpMsg->hwnd) : nullptr;
    if (!record) return 0;
    return send(record, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

HICON LoadIconW(HINSTANCE, LPCWSTR) {
    device_record_call("LoadIconW");
    return &resource_token;
}

HGDIOBJ GetStockObject(int) {
    device_record_call("GetStockObject");
    return &resource_token;
}

BOOL SHFullScreen(HWND hwndRequester, DWORD) {
    device_record_call("SHFullScreen");
    return live(hwndRequester) ? TRUE : FALSE;
}

int GXOpenInput(void) {
    device_record_call("GXOpenInput");
    return 1;
}

int GXCloseInput(void) {
    device_record_call("GXCloseInput");
    return 1;
}

GXKeyList GXGetDefaultKeys(int) {
    device_record_call("GXGetDefaultKeys");
    GXKeyList keys{};
    keys.vkUp = VK_UP;
    keys.vkDown = VK_DOWN;
    keys.vkLeft = VK_LEFT;
    keys.vkRight = VK_RIGHT;
    keys.vkA = DEVICE_VK_A;
    keys.vkB = DEVICE_VK_B;
    keys.vkC = DEVICE_VK_C;
    keys.vkStart = DEVICE_VK_START;
    return keys;
}
