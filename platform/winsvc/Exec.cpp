#include "Exec.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Runs in the forked children: only calls that are safe after fork.
[[noreturn]] void ReportAndExit(int pipe, int error) {
    ssize_t ignored = ::write(pipe, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

}  // namespace

int StartProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) return ENOENT;
    // Everything the children need is prepared before the fork.
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The grandchild writes its errno here when exec fails; a successful
    // exec closes the pipe and the parent reads nothing.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;

    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (child == 0) {
        // The middle child only makes the program an orphan of init, so that
        // nobody here has to reap it.
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) ReportAndExit(report[1], errno);
        if (grandchild == 0) {
            ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
            ::execvp(argv[0], argv.data());
            ReportAndExit(report[1], errno);
        }
        ::_exit(0);
    }

    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do got = ::read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

unsigned WinExec(const std::vector<std::string>& arguments, unsigned) {
    switch (StartProgram(arguments)) {
    case 0: return 33;
    case ENOENT:
    case ENOTDIR: return 2;
    case EACCES:
    case EPERM: return 5;
    default: return 0;
    }
}
