#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "temp_dir.h"

extern char** environ;

namespace testsupport {

namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& overrides)
{
    std::vector<std::string> merged;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        std::string name = entry.substr(0, entry.find('='));
        if (!overrides.count(name)) {
            merged.push_back(entry);
        }
    }
    for (const auto& kv : overrides) {
        merged.push_back(kv.first + "=" + kv.second);
    }
    return merged;
}

std::vector<char*> CStrings(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(&s[0]);
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env, int timeout_seconds)
{
    ProcessResult result;
    TempDir capture;
    if (capture.Path().empty()) {
        return result;
    }
    const std::string out_path = capture.Path("stdout");
    const std::string err_path = capture.Path("stderr");
    int out_fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int err_fd = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);

    // Everything the child needs is prepared before fork: between fork and
    // exec only async-signal-safe calls are allowed.
    std::vector<std::string> argv_strings{program};
    argv_strings.insert(argv_strings.end(), args.begin(), args.end());
    std::vector<std::string> env_strings = MergedEnvironment(env);
    std::vector<char*> child_argv = CStrings(argv_strings);
    std::vector<char*> child_env = CStrings(env_strings);

    pid_t pid = (out_fd >= 0 && err_fd >= 0) ? fork() : -1;
    if (pid == 0) {
        // Its own process group, so that a signal sent to "group 0" by the
        // code under test stays inside the child.
        setpgid(0, 0);
        dup2(out_fd, STDOUT_FILENO);
        dup2(err_fd, STDERR_FILENO);
        execve(program.c_str(), child_argv.data(), child_env.data());
        _exit(127);
    }
    if (out_fd >= 0) {
        close(out_fd);
    }
    if (err_fd >= 0) {
        close(err_fd);
    }
    if (pid < 0) {
        return result;
    }
    result.started = true;

    int status = 0;
    const int polls = timeout_seconds * 100;
    int waited = 0;
    for (int i = 0; i < polls; ++i) {
        waited = waitpid(pid, &status, WNOHANG);
        if (waited != 0) {
            break;
        }
        usleep(10000);
    }
    if (waited == 0) {
        result.timed_out = true;
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    if (WIFEXITED(status)) {
        result.exit_code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.term_signal = WTERMSIG(status);
    }
    result.out = ReadFile(out_path);
    result.err = ReadFile(err_path);
    return result;
}

int CountLines(const std::string& text, const std::string& needle)
{
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        if (line.find(needle) != std::string::npos) {
            ++count;
        }
    }
    return count;
}

}  // namespace testsupport
