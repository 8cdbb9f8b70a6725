// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes writing fail as it fails for a user: as an ordinary user in a folder
// without write permission (the tests may run as the superuser, who writes
// anywhere), or under a file size limit (RLIMIT_FSIZE, what `ulimit -f` sets)
// that stops a write part way, as a full disk does. A forked child takes the
// limits on and runs a function (RunInChild) or a program (RunProgram); a
// process that must not fork, such as a Qt application with running threads,
// takes them on as a whole for a scope (ProcessWriteLimits).

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalto::test {

// Debian's user "nobody" and group "nogroup".
inline constexpr uid_t NobodyUser = 65534;
inline constexpr gid_t NobodyGroup = 65534;

struct WriteLimits {
    // The superuser becomes "nobody", so that folder permissions apply; an
    // ordinary user stays who they are.
    bool OrdinaryUser = false;
    // The largest size a file may grow to, in bytes.
    std::optional<rlim_t> MaxFileSize;
    // A write past the limit fails with EFBIG when SIGXFSZ is ignored; with
    // the signal's default action, as a shell's `ulimit -f` leaves it, the
    // kernel ends the process instead unless the process ignores it itself.
    // A ProcessWriteLimits always ignores it.
    bool IgnoreFileSizeSignal = true;
};

[[nodiscard]] inline WriteLimits AsOrdinaryUser() {
    WriteLimits limits;
    limits.OrdinaryUser = true;
    return limits;
}

[[nodiscard]] inline WriteLimits UnderFileSizeLimit(rlim_t bytes, bool ignoreSignal = true) {
    WriteLimits limits;
    limits.MaxFileSize = bytes;
    limits.IgnoreFileSizeSignal = ignoreSignal;
    return limits;
}

struct ChildOutcome {
    int ExitCode = -1;  // -1 unless the child exited
    int Signal = 0;     // the signal that ended it, 0 if none
    std::string Output;
    std::string Errors;
};

// The exit code of a child that could not take on its limits or start its
// program; it says why on its standard error.
inline constexpr int ChildSetUpFailed = 125;

namespace detail {

// In the child: system calls only, which are safe after a fork from a process
// with threads.
[[noreturn]] inline void ExitForSetUp(const char* what) noexcept {
    const int error = errno;
    (void)::write(STDERR_FILENO, what, std::strlen(what));
    const char* description = ::strerrordesc_np(error);  // unlike strerror, no locale nor buffer
    const char* reason = description != nullptr ? description : "unknown error";
    (void)::write(STDERR_FILENO, ": ", 2);
    (void)::write(STDERR_FILENO, reason, std::strlen(reason));
    (void)::write(STDERR_FILENO, "\n", 1);
    ::_exit(ChildSetUpFailed);
}

inline void TakeOnLimits(const WriteLimits& limits) noexcept {
    struct sigaction action {};
    action.sa_handler = limits.IgnoreFileSizeSignal ? SIG_IGN : SIG_DFL;
    if (::sigaction(SIGXFSZ, &action, nullptr) != 0) ExitForSetUp("sigaction(SIGXFSZ)");
    sigset_t fileSize;
    ::sigemptyset(&fileSize);
    ::sigaddset(&fileSize, SIGXFSZ);
    ::sigprocmask(SIG_UNBLOCK, &fileSize, nullptr);
    const rlimit noCore{0, 0};  // a process ended by SIGXFSZ dumps no core file
    if (::setrlimit(RLIMIT_CORE, &noCore) != 0) ExitForSetUp("setrlimit(RLIMIT_CORE)");
    if (limits.MaxFileSize) {
        const rlimit size{*limits.MaxFileSize, *limits.MaxFileSize};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0) ExitForSetUp("setrlimit(RLIMIT_FSIZE)");
    }
    if (limits.OrdinaryUser && ::geteuid() == 0) {
        // The groups first: without the superuser's rights they cannot change.
        if (::setgroups(0, nullptr) != 0) ExitForSetUp("setgroups");
        if (::setgid(NobodyGroup) != 0) ExitForSetUp("setgid(nobody)");
        if (::setuid(NobodyUser) != 0) ExitForSetUp("setuid(nobody)");
    }
}

// Everything readable from `descriptor` until its end.
inline bool ReadSome(int descriptor, std::string& text) {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) return true;
    if (count <= 0) return false;
    text.append(buffer.data(), static_cast<std::size_t>(count));
    return true;
}

// Forks; the child gets /dev/null as its input and pipes as its output and
// error, and runs `child`, which must not return. The parent collects both
// pipes to their ends and waits for the child.
template <typename Child>
ChildOutcome Fork(Child child) {
    ChildOutcome outcome;
    std::array<int, 2> output{-1, -1};
    std::array<int, 2> errors{-1, -1};
    const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (input < 0 || ::pipe2(output.data(), O_CLOEXEC) != 0 || ::pipe2(errors.data(), O_CLOEXEC) != 0) {
        outcome.Errors = "cannot make the child's pipes";
        return outcome;
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(output[1], STDOUT_FILENO) < 0 ||
            ::dup2(errors[1], STDERR_FILENO) < 0) {
            ::_exit(ChildSetUpFailed);
        }
        child();
        ::_exit(ChildSetUpFailed);
    }
    ::close(input);
    ::close(output[1]);
    ::close(errors[1]);
    if (pid < 0) {
        outcome.Errors = "fork failed";
    } else {
        std::array<pollfd, 2> open{{{output[0], POLLIN, 0}, {errors[0], POLLIN, 0}}};
        while (open[0].fd >= 0 || open[1].fd >= 0) {
            if (::poll(open.data(), open.size(), -1) < 0 && errno != EINTR) break;
            for (pollfd& pipe : open) {
                if (pipe.fd < 0 || pipe.revents == 0) continue;
                if (!ReadSome(pipe.fd, pipe.fd == output[0] ? outcome.Output : outcome.Errors)) pipe.fd = -1;
            }
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (WIFEXITED(status)) outcome.ExitCode = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) outcome.Signal = WTERMSIG(status);
    }
    ::close(output[0]);
    ::close(errors[0]);
    return outcome;
}

inline std::size_t ThreadCount() {
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::directory_iterator task("/proc/self/task", error), end; !error && task != end;
         task.increment(error)) {
        ++count;
    }
    return count;
}

}  // namespace detail

// Runs `body` in a forked child under the limits; its result is the child's
// exit code, and what it prints on standard output and error is collected.
// The child runs ordinary code after the fork, which is safe only in a process
// without other threads: in one with threads nothing is run, and the outcome
// says why.
inline ChildOutcome RunInChild(const WriteLimits& limits, const std::function<int()>& body) {
    if (const std::size_t threads = detail::ThreadCount(); threads != 1) {
        ChildOutcome refused;
        refused.Errors = "RunInChild: the process has " + std::to_string(threads) + " threads; forking is unsafe";
        return refused;
    }
    return detail::Fork([&] {
        detail::TakeOnLimits(limits);
        const int code = body();
        std::fflush(nullptr);
        ::_exit(code);  // no exit handlers of the test program
    });
}

// Runs the program `command[0]` (a path) with its arguments in a forked child
// under the limits. The program is opened before the fork, so that an ordinary
// user runs it even from a folder that only the superuser may enter. Between
// the fork and the program only system calls run, so any process may call it.
inline ChildOutcome RunProgram(const WriteLimits& limits, const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const int program = ::open(arguments[0], O_RDONLY | O_CLOEXEC);
    if (program < 0) {
        ChildOutcome missing;
        missing.Errors = "cannot open " + command[0] + ": " + std::strerror(errno);
        return missing;
    }
    ChildOutcome outcome = detail::Fork([&] {
        detail::TakeOnLimits(limits);
        ::fexecve(program, arguments.data(), environ);
        detail::ExitForSetUp(arguments[0]);
    });
    ::close(program);
    return outcome;
}

// The limits taken on by this whole process, every thread of it, while the
// object lives, and given back when it goes: for a test inside a Qt
// application, whose threads make a fork unsafe. The superuser becomes
// "nobody" in its effective ids only, which it can take back; a write past the
// size limit fails with EFBIG (SIGXFSZ is ignored meanwhile).
class ProcessWriteLimits {
public:
    explicit ProcessWriteLimits(const WriteLimits& limits) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ActionSaved = ::sigaction(SIGXFSZ, &ignore, &PreviousAction) == 0;
        SizeSaved = ::getrlimit(RLIMIT_FSIZE, &PreviousSize) == 0;
        Applied = ActionSaved && SizeSaved;
        if (Applied && limits.MaxFileSize) {
            const rlimit size{*limits.MaxFileSize, PreviousSize.rlim_max};
            Applied = ::setrlimit(RLIMIT_FSIZE, &size) == 0;
        }
        if (Applied && limits.OrdinaryUser && ::geteuid() == 0) {
            PreviousGroups.resize(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
            const int groups = ::getgroups(static_cast<int>(PreviousGroups.size()), PreviousGroups.data());
            PreviousGroups.resize(static_cast<std::size_t>(std::max(groups, 0)));
            PreviousGroup = ::getegid();
            Dropped = true;
            Applied = ::setgroups(0, nullptr) == 0 && ::setegid(NobodyGroup) == 0 && ::seteuid(NobodyUser) == 0;
        }
    }
    ~ProcessWriteLimits() {
        if (Dropped) {
            (void)::seteuid(0);
            (void)::setegid(PreviousGroup);
            (void)::setgroups(PreviousGroups.size(), PreviousGroups.data());
            // A change of ids marks the process undumpable, which would keep
            // debuggers and AddressSanitizer's leak checker from attaching.
            (void)::prctl(PR_SET_DUMPABLE, 1);
        }
        if (SizeSaved) (void)::setrlimit(RLIMIT_FSIZE, &PreviousSize);
        if (ActionSaved) (void)::sigaction(SIGXFSZ, &PreviousAction, nullptr);
    }
    ProcessWriteLimits(const ProcessWriteLimits&) = delete;
    ProcessWriteLimits& operator=(const ProcessWriteLimits&) = delete;

    // Whether every limit was taken on.
    [[nodiscard]] bool IsApplied() const noexcept { return Applied; }

private:
    bool Applied = false;
    bool ActionSaved = false;
    bool SizeSaved = false;
    bool Dropped = false;
    struct sigaction PreviousAction {};
    rlimit PreviousSize{};
    std::vector<gid_t> PreviousGroups;
    gid_t PreviousGroup = 0;
};

}  // namespace kalto::test
