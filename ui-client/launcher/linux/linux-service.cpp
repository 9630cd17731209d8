#include "linux/linux-service.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>


#include "config.h"
#include "linux/client-process.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";
// How long the client gets to end on SIGTERM before SIGKILL.
const int STOP_WAIT_SECONDS = 5;

// A process id as the client writes it: decimal digits only, 1 to
// 2147483647. Anything else must never reach kill(), where 0 and negative
// ids address whole process groups.
bool ParsePid(const ustring& text, pid_t& pid)
{
    if (text.empty() || text.length() > 10) {
        return false;
    }
    long long value = 0;
    for (size_t i = 0; i < text.length(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 2147483647LL) {
        return false;
    }
    pid = static_cast<pid_t>(value);
    return true;
}

}  // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = GetUserSkyletAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService& LinuxService::GetInstace()
{
    static LinuxService instance;
    return instance;
}

void LinuxService::LoadTargetVerInfo()
{
    LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo()
{
    LoadSourceVersion();
}

void LinuxService::PreUpgrade()
{
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
                   __LINE__, source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
                   __LINE__, target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade()
{
    if (!Decide(true)) {
        return false;
    }
    // Decided again under the user tree's lock: another launcher may have
    // upgraded the copy meanwhile.
    if (!LockUserTree()) {
        return false;
    }
    if (!Decide(false)) {
        Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                       "[INFO] linux/linux-service(%d): another launcher has upgraded the copy meanwhile\n",
                       __LINE__);
        return false;
    }
    return true;
}

bool LinuxService::Decide(bool log)
{
    restore_only = false;
    int source = BuildNumber(source_version.build_version);
    int target = BuildNumber(target_version.build_version);
    if (log) {
        Logger::LogMsg(Logger::L_DEBUG, LOG_COMP,
                       "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                       __LINE__, source, target);
    }
    bool need = target > source;
    if (!PerUserBinPathExist()) {
        need = true;
    }
    // A run killed between the backup rename and the removal of the backups
    // can leave a partial copy that already carries the new INFO and
    // executable; only a fresh upgrade repairs it.
    const std::vector<ustring> backups = Copy().TakenBackups();
    if (!backups.empty()) {
        if (log) {
            Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                           "[NOTE] linux/linux-service(%d): backup '%s' of an interrupted upgrade "
                           "exists, upgrading again\n",
                           __LINE__, backups[0].c_str());
        }
        need = true;
    }
    // A package that failed before fails again, also for a repair: leave the
    // copy and the running client alone until another package is installed.
    // Only what an interrupted upgrade left is settled, so that the client
    // starts from the best copy there is.
    if (need && IsRejectedPackageInstalled()) {
        if (log) {
            Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                           "[WARNING] linux/linux-service(%d): package '%s' was found defective before, "
                           "not installed again until it changes\n",
                           __LINE__, GetPackagePath().c_str());
        }
        restore_only = !backups.empty();
        return restore_only;
    }
    return need;
}

int LinuxService::HandlePackageUpgrade()
{
    if (restore_only) {
        return RecoverInterruptedUpgrade();
    }
    // A package that must not be installed leaves the client running, unless
    // what an interrupted upgrade left is to be settled.
    if (VerifyPackage() != 0) {
        RecoverInterruptedUpgrade();
        return -1;
    }
    if (PerUserBinPathExist()) {
        Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] linux/linux-service(%d): local appdata exist\n",
                       __LINE__);
        StopService();
    }
    return PrepareUserEnv();
}

void LinuxService::StopService()
{
    ustring pid_path = GetUserSkyletInstallPath() + "/ui.pid";
    if (!IsFileExist(pid_path)) {
        Logger::LogMsg(Logger::L_DEBUG, LOG_COMP,
                       "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       __LINE__, pid_path.c_str());
        return;
    }
    Config config;
    if (config.read(pid_path) < 0) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n",
                       __LINE__, pid_path.c_str());
        return;
    }
    ustring pid_text = config["pid"];
    pid_t pid = 0;
    if (!ParsePid(pid_text, pid)) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] linux/linux-service(%d): pid file '%s' holds no valid pid ('%s'), no "
                       "signal sent\n",
                       __LINE__, pid_path.c_str(), pid_text.c_str());
        return;
    }

    ClientProcess client(pid);
    // A pid that is gone, or whose process has ended but not yet been
    // reaped, needs nothing.
    if (!client.Hold() || client.WaitForEnd(0)) {
        return;
    }
    std::string why;
    ClientProcess::Identity identity = client.Identify(ClientFolders(), why);
    if (identity == ClientProcess::GONE) {
        return;
    }
    if (identity == ClientProcess::NOT_CLIENT) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] linux/linux-service(%d): process %d named in '%s' is not the client "
                       "(%s), no signal sent\n",
                       __LINE__, static_cast<int>(pid), pid_path.c_str(), why.c_str());
        return;
    }

    int err = client.Signal(SIGTERM);
    if (err == ESRCH) {
        return;
    }
    if (err != 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                       __LINE__, strerror(err), err);
    }
    if (client.WaitForEnd(STOP_WAIT_SECONDS)) {
        return;
    }
    client.Signal(SIGKILL);
}

std::vector<std::string> LinuxService::ClientFolders() const
{
    // The client runs from the application folder, or from a backup name
    // when an earlier upgrade moved its folder away while it ran; and /proc
    // names its executable by the canonical path, which differs when the
    // home folder is reached through a symbolic link.
    std::vector<std::string> parents{FSParentPath(per_user_install_path).c_str()};
    if (char* real = realpath(parents[0].c_str(), nullptr)) {
        parents.push_back(real);
        free(real);
    }
    const std::string name = FSBaseName(per_user_install_path).c_str();
    std::vector<std::string> folders;
    for (const std::string& parent : parents) {
        ustring app = ustring((parent + "/" + name).c_str());
        folders.push_back(app.c_str());
        for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
            folders.push_back(GetAppBackupDir(app, i).c_str());
        }
    }
    return folders;
}

void LinuxService::PostUpgrade()
{
    // The copy is decided; launchers of other installations of this user
    // need not wait while the client starts.
    UnlockUserTree();
    LaunchPerUserBin();
}

bool LinuxService::PerUserBinPathExist()
{
    // Anything but a regular file with an execute bit cannot start the
    // client, so it counts as missing.
    return UserCopy::HasExecutable(per_user_install_path);
}

int LinuxService::LaunchPerUserBin()
{
    // The script path is passed as the program, never split at blanks, so a
    // home folder whose path holds a blank still starts the client.
    //
    // Spawned directly rather than through QProcess: that forks the whole
    // Qt process, which costs a noticeable share of a login's launcher run.
    // Like QProcess::execute, the script shares our standard output and
    // error and is waited for; it reads nothing, so its input is /dev/null.
    ustring script = per_user_install_path + "/package/start-stop";
    char* const argv[] = {const_cast<char*>(script.c_str()), const_cast<char*>("start"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t child = -1;
    const int err = posix_spawn(&child, script.c_str(), &actions, nullptr, argv, environ);
    if (err == 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    } else if (!UserCopy::WarnIfNoexec(per_user_install_path)) {
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] linux/linux-service(%d): cannot start the client through '%s': %s\n",
                       __LINE__, script.c_str(), strerror(err));
    }
    posix_spawn_file_actions_destroy(&actions);
    return 0;
}
