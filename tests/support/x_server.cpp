#include "tests/support/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace expo::testing {
namespace {

pid_t serverPid = -1;

std::string findOnPath(const std::string& program) {
    std::istringstream path(std::getenv("PATH") ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(path, folder, ':');) {
        const std::string candidate = (std::filesystem::path(folder) / program).string();
        if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

[[noreturn]] void giveUp(const char* why) {
    std::fprintf(stderr, "Xvfb: %s\n", why);
    std::exit(2);
}

}  // namespace

// Xvfb picks a free display itself and writes its number to the pipe once it accepts clients.
XServer::XServer() {
    const std::string xvfb = findOnPath("Xvfb");
    if (xvfb.empty()) {
        return;
    }
    int ready[2];
    if (::pipe(ready) != 0) {
        giveUp("no pipe");
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        giveUp("cannot start");
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // gone with the test program, even after a crash
        ::close(ready[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(ready[1]);
        std::vector<const char*> args = {xvfb.c_str(),   "-displayfd", fd.c_str(), "-screen", "0",
                                         "1280x1024x24", "-nolisten",  "tcp",      nullptr};
        ::execv(xvfb.c_str(), const_cast<char* const*>(args.data()));
        ::_exit(127);
    }
    serverPid = pid;
    ::close(ready[1]);
    std::string display;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (::poll(&wait, 1, 30'000) == 1 && ::read(ready[0], &c, 1) == 1 && c != '\n') {
        display += c;
    }
    ::close(ready[0]);
    if (display.empty() || c != '\n') {
        giveUp("the server did not start");
    }
    ::setenv("DISPLAY", (":" + display).c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

XServer::~XServer() {
    if (serverPid > 0) {
        ::kill(serverPid, SIGTERM);
        ::waitpid(serverPid, nullptr, 0);
        serverPid = -1;
    }
}

bool onXServer() {
    return serverPid > 0;
}

}  // namespace expo::testing
