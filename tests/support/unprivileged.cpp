#include "unprivileged.h"

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace testsupport {

int RunAsNobody(const std::function<int()>& body)
{
    pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(99);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

int RunUnprivileged(const std::function<int()>& body)
{
    return geteuid() == 0 ? RunAsNobody(body) : body();
}

void GiveToNobody(const std::string& path)
{
    if (geteuid() != 0) return;
    EXPECT_EQ(0, lchown(path.c_str(), kNobody, kNobody)) << path;
    for (const auto& e : fs::recursive_directory_iterator(path))
        EXPECT_EQ(0, lchown(e.path().c_str(), kNobody, kNobody)) << e.path();
}

}  // namespace testsupport
