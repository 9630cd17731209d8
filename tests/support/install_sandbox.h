// A throw-away install root and home folder for running a program the way
// it runs when installed.
//
// Code that derives the install root from its own executable's location
// (QCoreApplication::applicationDirPath() + "/..") cannot be pointed at a
// test tree from inside the test process. Instead, a small driver program
// is placed into <base>/root/bin/ - as a hard link, or a copy when the
// build tree lies on another file system - and run from there as a child
// process with HOME set to <base>/home:
//
//   InstallSandbox box(tmp.Path());
//   ASSERT_TRUE(box.InstallExecutable(DRIVER_PATH));
//   WriteFile(box.Root() + "/INFO", "...");
//   ProcessResult r = box.Run({"run"});
//
// A symbolic link would not do: the executable's path is resolved through
// /proc/self/exe, which names the link's target.
#ifndef TEST_SUPPORT_INSTALL_SANDBOX_H
#define TEST_SUPPORT_INSTALL_SANDBOX_H

#include <map>
#include <string>
#include <vector>

#include "process.h"

namespace testsupport {

class InstallSandbox {
public:
    // Creates <base>/root/bin and <base>/home.
    explicit InstallSandbox(const std::string& base);

    const std::string& Root() const { return root; }
    const std::string& Home() const { return home; }
    // The installed executable, once InstallExecutable has succeeded.
    const std::string& Executable() const { return executable; }

    // Places `program` as <root>/bin/<its file name>.
    bool InstallExecutable(const std::string& program);

    // Runs the installed executable with HOME = Home() and the Qt platform
    // "offscreen", plus `env`.
    ProcessResult Run(const std::vector<std::string>& args,
                      const std::map<std::string, std::string>& env = {},
                      int timeout_seconds = 120) const;

private:
    std::string root;
    std::string home;
    std::string executable;
};

}  // namespace testsupport

#endif
