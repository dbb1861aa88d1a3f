// The kinds of event the page sends the game, by name and number: the one list the C++ device
// and the page's script both take (the site's build writes events.js from these lines).
#ifndef VORLEN_PLATFORM_WEB_EVENTS_H
#define VORLEN_PLATFORM_WEB_EVENTS_H

#define WEB_EVENT_KINDS(KIND) \
    KIND(PRESS, 1)            \
    KIND(MOVE, 2)             \
    KIND(RELEASE, 3)          \
    KIND(KEY_DOWN, 4)         \
    KIND(KEY_UP, 5)           \
    KIND(FOCUS, 6)            \
    KIND(BLUR, 7)

#define WEB_EVENT_ENUM(name, number) WEB_##name = number,
enum WebEvent { WEB_EVENT_KINDS(WEB_EVENT_ENUM) };
#undef WEB_EVENT_ENUM

#endif
