// The handheld's interfaces that the game is written against: the subset of Windows CE core
// services, the Pocket PC shell and GAPI that the game calls, by their own names, records and
// values. Each of the four devices implements all of it: platform/sdl for the desktop,
// platform/web for browsers, platform/win32 for Windows and platform/headless for tests. Wide
// strings are 16-bit UTF-16 as on the device; lParam of the pointer messages packs x in the low
// and y in the high 16 bits.
#ifndef VORLEN_PLATFORM_DEVICE_H
#define VORLEN_PLATFORM_DEVICE_H

#include <cstdint>

// ---- Basic types (sizes as on the 32-bit device where the game depends on them) ----
typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef uint16_t ATOM;
typedef char16_t WCHAR;
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef void *LPVOID;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

struct DeviceWindow;  // opaque: the backend's own window record
typedef DeviceWindow *HWND;
typedef void *HANDLE;
typedef void *HINSTANCE;
typedef void *HMODULE;
typedef void *HICON;
typedef void *HCURSOR;
typedef void *HBRUSH;
typedef void *HMENU;
typedef void *HGDIOBJ;

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0
#define MAX_PATH 260

typedef LRESULT(CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASS {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
};

// ---- Window messages and values ----
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_ACTIVATE 0x0006
#define WM_ENABLE 0x000A
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SETTINGCHANGE 0x001A
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202

#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

#define WS_VISIBLE 0x10000000u
#define WS_EX_TOPMOST 0x00000008u

#define BLACK_BRUSH 4

#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

#define LOWORD(v) ((WORD)(((uintptr_t)(v)) & 0xFFFF))
#define HIWORD(v) ((WORD)((((uintptr_t)(v)) >> 16) & 0xFFFF))
#define MAKELPARAM(lo, hi) ((LPARAM)(((DWORD)(WORD)(lo)) | (((DWORD)(WORD)(hi)) << 16)))
#define MAKEINTRESOURCEW(i) ((LPCWSTR)(uintptr_t)(WORD)(i))

// ---- Windows CE core services ----
HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL UpdateWindow(HWND hWnd);
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL GetWindowRect(HWND hWnd, RECT *lpRect);
BOOL DestroyWindow(HWND hWnd);
ATOM RegisterClassW(const WNDCLASS *lpWndClass);
HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                     int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam);
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);
BOOL PeekMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
BOOL GetMessageW(MSG *lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL TranslateMessage(const MSG *lpMsg);
LRESULT DispatchMessageW(const MSG *lpMsg);
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
HGDIOBJ GetStockObject(int i);
DWORD GetTickCount(void);
// Gives the processor up for about ms milliseconds (the headless device moves its clock on).
void Sleep(DWORD dwMilliseconds);
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

// Files
#define GENERIC_READ 0x80000000u
#define FILE_SHARE_READ 0x00000001u
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define FILE_ATTRIBUTE_NORMAL 0x00000080u
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPVOID lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
              DWORD *lpNumberOfBytesRead, LPVOID lpOverlapped);
BOOL CloseHandle(HANDLE hObject);

// Sound
#define SND_ASYNC 0x00000001u
#define SND_NODEFAULT 0x00000002u
#define SND_NOWAIT 0x00002000u
#define SND_FILENAME 0x00020000u

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

// ---- Pocket PC shell ----
#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020

BOOL SHFullScreen(HWND hwndRequester, DWORD dwState);

// ---- GAPI (gx.dll) ----
#define GX_FULLSCREEN 0x01
#define GX_NORMALKEYS 0x02
#define GX_LANDSCAPEKEYS 0x03

#define kfLandscape 0x8
#define kfPalette 0x10
#define kfDirect 0x20
#define kfDirect555 0x40
#define kfDirect565 0x80
#define kfDirect888 0x100
#define kfDirect444 0x200
#define kfDirectInverted 0x400

struct GXDisplayProperties {
    DWORD cxWidth;
    DWORD cyHeight;
    LONG cbxPitch;  // bytes from one pixel to the next along x (may be negative)
    LONG cbyPitch;  // bytes from one row to the next (may be negative)
    LONG cBPP;      // bits per pixel
    DWORD ffFormat;
};

// 8 entries of a 16-bit virtual-key code and the key's position: 96 bytes.
struct GXKeyList {
    short vkUp;
    POINT ptUp;
    short vkDown;
    POINT ptDown;
    short vkLeft;
    POINT ptLeft;
    short vkRight;
    POINT ptRight;
    short vkA;
    POINT ptA;
    short vkB;
    POINT ptB;
    short vkC;
    POINT ptC;
    short vkStart;
    POINT ptStart;
};
static_assert(sizeof(GXKeyList) == 96, "GXKeyList is the device's 96-byte record");

int GXOpenDisplay(HWND hWnd, DWORD dwFlags);
int GXCloseDisplay(void);
void *GXBeginDraw(void);
int GXEndDraw(void);
int GXOpenInput(void);
int GXCloseInput(void);
GXDisplayProperties GXGetDisplayProperties(void);
GXKeyList GXGetDefaultKeys(int iOptions);

// ---- Entry point ----
// The game's own entry; the desktop, browser and Windows devices' main calls it, tests call it
// themselves.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

#endif
