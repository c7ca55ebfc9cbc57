#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>

namespace mirevo::bench {

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

ChildExit runInChild(void* result, std::size_t size, const std::function<bool()>& run)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return {};
    }
    if (pid == 0) {
        close(fds[0]);
        bool ok = false;
        try {
            ok = run();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "error: %s\n", e.what());
        }
        (void)!write(fds[1], result, size);
        _exit(ok ? 0 : 1);
    }
    close(fds[1]);
    (void)!read(fds[0], result, size);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {true, WIFEXITED(status) && WEXITSTATUS(status) == 0, long(usage.ru_maxrss)};
}

} // namespace mirevo::bench
