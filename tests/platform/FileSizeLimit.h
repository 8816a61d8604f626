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
