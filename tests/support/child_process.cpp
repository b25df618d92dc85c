#include "support/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

namespace teaser::testing {

int exitStatusInChild(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}
