// One instance at a time: the first holds a lock file and listens on a Unix socket beside it;
// a second start finds the lock taken, asks through the socket for the first window to come
// to the front, and ends.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/common/windows.h"
#include "platform/sdl/internal.h"

namespace {

const char SHOW_REQUEST[] = "show\n";

int lock_fd = -1;             // the held lock file, -1 when not held
int listen_fd = -1;           // the socket raise requests arrive on, -1 when not listening
bool other_running = false;   // another process holds the lock

// The folder for the lock and the socket: the user's runtime folder, or /tmp.
std::string runtime_folder() {
    const char *dir = std::getenv("XDG_RUNTIME_DIR");
    struct stat info;
    if (dir && *dir && stat(dir, &info) == 0 && S_ISDIR(info.st_mode)) return dir;
    return "/tmp";
}

// The lock's and socket's path: per user, since /tmp is shared.
std::string instance_path(const char *suffix) {
    return runtime_folder() + "/vorlen-" + std::to_string(getuid()) + suffix;
}

// The socket address for the instance's socket; false when the path does not fit.
bool socket_address(sockaddr_un *address) {
    std::string path = instance_path(".sock");
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= sizeof address->sun_path) return false;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Listens for raise requests; without a socket the instance still runs, it just cannot be raised.
void listen_for_requests() {
    sockaddr_un address;
    if (!socket_address(&address)) return;
    unlink(address.sun_path);  // a socket left by an instance that died; the lock says it is gone
    listen_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listen_fd < 0) return;
    if (bind(listen_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || listen(listen_fd, 4) != 0) {
        close(listen_fd);
        listen_fd = -1;
    }
}

}  // namespace

bool instance_claim() {
    other_running = false;
    lock_fd = open(instance_path(".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no telling; run rather than refuse.
    if (lock_fd < 0) return true;
    if (flock(lock_fd, LOCK_EX | LOCK_NB) != 0) {
        close(lock_fd);
        lock_fd = -1;
        other_running = true;
        return false;
    }
    listen_for_requests();
    return true;
}

void instance_release() {
    sockaddr_un address;
    if (listen_fd >= 0) {
        close(listen_fd);
        if (socket_address(&address)) unlink(address.sun_path);
    }
    listen_fd = -1;
    // The lock file stays: removing it would let a third start lock a file nobody else sees.
    if (lock_fd >= 0) close(lock_fd);
    lock_fd = -1;
}

void instance_request_show() {
    sockaddr_un address;
    if (!socket_address(&address)) return;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
        ssize_t sent = write(fd, SHOW_REQUEST, sizeof SHOW_REQUEST - 1);
        (void)sent;  // the connection itself is the request; the text is a courtesy
    }
    close(fd);
}

bool instance_take_show_request() {
    if (listen_fd < 0) return false;
    int fd = accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool device_other_instance_running() { return other_running; }
void device_show_other_instance() { instance_request_show(); }
