// Starts and watches a skylet_fake_client process (see fake_client_main.cpp).
//
// The process is a direct child of the test and is reaped the moment it
// ends by a waiting thread, so code under test that probes it with
// kill(pid, 0) sees it gone at once instead of finding a zombie.
//
//   FakeClient client;
//   ASSERT_TRUE(client.Start(home + "/.SkyletBackup/ui.pid", tmp.Path("signals"), true));
//   ... run the code that stops it ...
//   EXPECT_EQ(client.WaitForEnd(10), SIGKILL);
//   EXPECT_EQ(client.RecordedSignals(), std::vector<int>{SIGTERM});
#ifndef TEST_SUPPORT_FAKE_CLIENT_H
#define TEST_SUPPORT_FAKE_CLIENT_H

#include <sys/types.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Path of the skylet_fake_client executable of this build.
const char* FakeClientPath();

// Places a copy of the fake client at `path` (folders created), so that it
// runs as the client of a user's application folder.
bool CopyFakeClient(const std::string& path);

class FakeClient {
public:
    FakeClient() = default;
    // Kills and reaps the process if it still runs.
    ~FakeClient();
    FakeClient(const FakeClient&) = delete;
    FakeClient& operator=(const FakeClient&) = delete;

    // Starts the process and waits (at most 10 s) until it has written its
    // pid file, so its signal handlers are in place. Only once per object.
    // `executable` is the fake client itself, a copy of it (the launcher only
    // stops a client that runs from the user's application folder), or a
    // script that takes the same arguments.
    // With `wanted_pid`, the process gets that very pid (as after a reboot,
    // when the pid a stale pid file names is taken by another program); this
    // needs root, and Start fails where the kernel refuses it.
    bool Start(const std::string& pid_file, const std::string& record_file, bool ignore_term,
               const std::string& executable = FakeClientPath(), pid_t wanted_pid = 0);

    pid_t Pid() const { return pid; }
    bool Running();

    // Waits at most `timeout_seconds` for the end of the process. Returns
    // the signal that ended it, 0 for a normal exit, -1 if it still runs.
    int WaitForEnd(int timeout_seconds);

    // The signals the process caught, in order of arrival.
    std::vector<int> RecordedSignals() const;

private:
    pid_t pid = -1;
    std::string record;
    std::thread reaper;
    std::mutex lock;
    std::condition_variable ended_cv;
    bool ended = false;
    int end_signal = 0;
};

}  // namespace testsupport

#endif
