// The display layout a person chooses through the environment.
#include "platform/common/desktop.h"

#include <cstdio>
#include <cstdlib>

#include "platform/common/display.h"

void device_layout_from_environment() {
    const char *name = std::getenv("VORLEN_DISPLAY");
    if (!device_choose_layout(name) && name)
        std::fprintf(stderr, "vorlen: unknown VORLEN_DISPLAY '%s' (the layouts are %s), using packed\n",
                     name, device_layout_list().c_str());
}
