// Presentation: converts the whole BackBuffer into the display's layout on every call.
#ifndef VORLEN_SHELL_PRESENT_H
#define VORLEN_SHELL_PRESENT_H

void present_frame();

#endif
