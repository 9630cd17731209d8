#include "install_sandbox.h"

#include <unistd.h>

#include <filesystem>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace testsupport {

InstallSandbox::InstallSandbox(const std::string& base)
    : root(base + "/root"), home(base + "/home")
{
    MakeDirs(root + "/bin");
    MakeDirs(home);
}

bool InstallSandbox::InstallExecutable(const std::string& program)
{
    const std::string dest = root + "/bin/" + fs::path(program).filename().string();
    if (link(program.c_str(), dest.c_str()) != 0) {
        std::error_code ec;
        fs::copy_file(program, dest, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            return false;
        }
        fs::permissions(dest, fs::status(program, ec).permissions(), ec);
    }
    executable = dest;
    return access(dest.c_str(), X_OK) == 0;
}

ProcessResult InstallSandbox::Run(const std::vector<std::string>& args,
                                  const std::map<std::string, std::string>& env,
                                  int timeout_seconds) const
{
    std::map<std::string, std::string> full_env = env;
    full_env["HOME"] = home;
    full_env.emplace("QT_QPA_PLATFORM", "offscreen");
    return RunProcess(executable, args, full_env, timeout_seconds);
}

}  // namespace testsupport
