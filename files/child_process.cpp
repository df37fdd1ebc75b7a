#include "child_process.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kbd {
namespace {

class Pipe {
public:
    Pipe() { ok_ = ::pipe2(fds_.data(), O_CLOEXEC) == 0; }
    ~Pipe() {
        closeWrite();
        if (ok_) {
            ::close(fds_[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool ok() const { return ok_; }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeWrite() {
        if (ok_ && fds_[1] >= 0) {
            ::close(fds_[1]);
            fds_[1] = -1;
        }
    }

private:
    std::array<int, 2> fds_{-1, -1};
    bool ok_ = false;
};

class SpawnActions {
public:
    SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

// Reads both pipes until both end: a child that fills one while the other is read
// would otherwise wait on us forever.
void Drain(int errorFd, int outputFd, ChildRun& run) {
    std::array<pollfd, 2> fds{{{errorFd, POLLIN, 0}, {outputFd, POLLIN, 0}}};
    std::array<std::string*, 2> into{&run.error, &run.output};
    std::array<char, 4096> buffer{};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (got > 0) {
                into[i]->append(buffer.data(), static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
            }
        }
    }
}

ChildRun Run(const std::vector<std::string>& argv, bool keepOutput) {
    ChildRun run;
    Pipe errors;
    Pipe output;
    if (!errors.ok() || !output.ok()) {
        run.error = std::strerror(errno);
        return run;
    }
    SpawnActions actions;
    ::posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (keepOutput) {
        ::posix_spawn_file_actions_adddup2(actions.get(), output.writeEnd(), STDOUT_FILENO);
    } else {
        ::posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ::posix_spawn_file_actions_adddup2(actions.get(), errors.writeEnd(), STDERR_FILENO);

    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ);
    errors.closeWrite();
    output.closeWrite();
    if (spawned != 0) {
        run.error = std::strerror(spawned);
        return run;
    }
    run.started = true;
    Drain(errors.readEnd(), output.readEnd(), run);
    int wait = 0;
    while (::waitpid(pid, &wait, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    return run;
}

} // namespace

ChildRun RunChild(const std::vector<std::string>& argv) {
    return Run(argv, false);
}

ChildRun RunChildReading(const std::vector<std::string>& argv) {
    return Run(argv, true);
}

} // namespace kbd
