// Runs a program as a child process and waits for it, with its standard
// output and error captured. No Qt: the child is started with fork/exec and
// reaped with waitpid on its own pid, so other children of the test (for
// example a FakeClient) are left alone.
#ifndef TEST_SUPPORT_PROCESS_H
#define TEST_SUPPORT_PROCESS_H

#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
    bool started = false;
    bool timed_out = false;  // killed with SIGKILL after the time limit
    int exit_code = -1;      // when it exited normally
    int term_signal = 0;     // when a signal ended it
    std::string out;
    std::string err;
};

// Runs `program` with `args` (argv[0] is the program path) in the current
// environment, with `env` entries added or replacing same-named ones. The
// wait is bounded by `timeout_seconds`.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {},
                         int timeout_seconds = 120);

// Number of lines of `text` that contain `needle`.
int CountLines(const std::string& text, const std::string& needle);

}  // namespace testsupport

#endif
