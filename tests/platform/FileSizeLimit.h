#pragma once

#include <functional>
#include <optional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A full disk without root: runs `f` in a child process whose files may not grow past
// `limit` bytes, so a write beyond it fails with EFBIG (SIGXFSZ, which would end the child,
// is ignored). What `f` returned in the child, or nothing when the child did not end by
// returning (a crash); what it wrote stays on disk for the caller to read.
inline std::optional<bool> underFileSizeLimit(rlim_t limit, const std::function<bool()>& f)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        ::_exit(f() ? 10 : 11);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return std::nullopt;
    if (WEXITSTATUS(status) == 10) return true;
    if (WEXITSTATUS(status) == 11) return false;
    return std::nullopt;
}

// A crash in the middle of a write without root: runs `f` in a child process that the
// system ends (SIGXFSZ, without a core file) when a write reaches `limit` bytes into a file,
// as a kill or a power cut would end it there. True when the child ended that way; what it
// wrote up to then stays on disk.
inline bool killedAtFileSizeLimit(rlim_t limit, const std::function<void()>& f)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_CORE, &none);
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        f();
        ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}
