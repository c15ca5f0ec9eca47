#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

#include "platform/child_process.h"

namespace trevalunda::platform {
namespace {

struct Pipe {
    int read = -1;
    int write = -1;
    bool Open() {
        int ends[2];
        if (::pipe(ends) != 0) {
            return false;
        }
        read = ends[0];
        write = ends[1];
        return true;
    }
};

// The user "nobody" of Linux distributions.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

bool DropPrivileges() {
    if (::geteuid() != 0) {
        return true;
    }
    return ::setgroups(0, nullptr) == 0 && ::setgid(kUnprivilegedGroup) == 0 &&
           ::setuid(kUnprivilegedUser) == 0;
}

[[noreturn]] void StartChild(const ChildRun& run, Pipe& in, Pipe& out, Pipe& err) {
    ::dup2(in.read, STDIN_FILENO);
    if (run.output == ChildOutput::FullDevice) {
        const int full = ::open("/dev/full", O_WRONLY);
        if (full < 0 || ::dup2(full, STDOUT_FILENO) < 0) {
            ::_exit(127);
        }
        ::close(full);
    } else {
        ::dup2(out.write, STDOUT_FILENO);
    }
    ::dup2(err.write, STDERR_FILENO);
    for (int fd : {in.read, in.write, out.read, out.write, err.read, err.write}) {
        ::close(fd);
    }
    // The test process ignores SIGPIPE for itself; the program must meet the default.
    ::signal(SIGPIPE, SIG_DFL);
    if (!run.workingFolder.empty() && ::chdir(run.workingFolder.c_str()) != 0) {
        ::_exit(127);
    }
    if (run.workingFolderRemoved && ::rmdir(run.workingFolder.c_str()) != 0) {
        ::_exit(127);
    }
    if (run.unprivileged && !DropPrivileges()) {
        ::_exit(127);
    }
    for (const auto& [name, value] : run.environment) {
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<char*> argv;
    std::string program = run.program;
    argv.push_back(program.data());
    std::vector<std::string> arguments = run.arguments;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

// Feeds the input and collects both output streams until the child closes them.
void Exchange(std::string_view input, int inFd, int outFd, int errFd, ChildResult& result) {
    std::size_t written = 0;
    if (input.empty()) {
        ::close(inFd);
        inFd = -1;
    }
    std::array<char, 4096> buffer{};
    while (outFd >= 0 || errFd >= 0) {
        std::array<pollfd, 3> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}, {inFd, POLLOUT, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (std::size_t i = 0; i < 2; ++i) {
            int& fd = i == 0 ? outFd : errFd;
            if (fd >= 0 && fds[i].revents != 0) {
                const ssize_t count = ::read(fd, buffer.data(), buffer.size());
                if (count > 0) {
                    (i == 0 ? result.output : result.errors)
                        .append(buffer.data(), static_cast<std::size_t>(count));
                } else {
                    ::close(fd);
                    fd = -1;
                }
            }
        }
        if (inFd >= 0 && fds[2].revents != 0) {
            const ssize_t count = ::write(inFd, input.data() + written, input.size() - written);
            written += count > 0 ? static_cast<std::size_t>(count) : input.size();
            if (written >= input.size()) {
                ::close(inFd);
                inFd = -1;
            }
        }
    }
    if (inFd >= 0) {
        ::close(inFd);
    }
}

}  // namespace

ChildResult RunChildProcess(const ChildRun& run) {
    ChildResult result;
    Pipe in;
    Pipe out;
    Pipe err;
    if (!in.Open() || !out.Open() || !err.Open()) {
        return result;
    }
    ::signal(SIGPIPE, SIG_IGN);
    if (run.output == ChildOutput::ClosedPipe) {
        // Nobody reads: the program's writes fail (or raise SIGPIPE).
        ::close(out.read);
        out.read = ::open("/dev/null", O_RDONLY);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        StartChild(run, in, out, err);
    }
    ::close(in.read);
    ::close(out.write);
    ::close(err.write);
    if (child < 0) {
        ::close(in.write);
        ::close(out.read);
        ::close(err.read);
        return result;
    }
    Exchange(run.input, in.write, out.read, err.read, result);
    int status = 0;
    struct rusage usage {};
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.peakMemoryKiB = static_cast<std::size_t>(usage.ru_maxrss);  // in KiB on Linux
    return result;
}

std::string_view StandardOutputLineEnd() {
    return "\n";
}

bool DrivesAreReal() {
    return false;
}

bool HasPosixFileSystem() {
    return true;
}

}  // namespace trevalunda::platform
