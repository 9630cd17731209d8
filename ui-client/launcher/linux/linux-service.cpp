#include "linux/linux-service.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include "config.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";
const int STOP_PROBE_COUNT = 5;

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

int BuildNumber(const ustring& text)
{
    return text.empty() ? 0 : atoi(text.c_str());
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
    int source = BuildNumber(source_version.build_version);
    int target = BuildNumber(target_version.build_version);
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP,
                   "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                   __LINE__, source, target);
    bool need = target > source;
    if (!PerUserBinPathExist()) {
        need = true;
    }
    // A run killed between the backup rename and the removal of the backups
    // can leave a partial copy that already carries the new INFO and
    // executable; only a fresh upgrade repairs it.
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        ustring backup = GetAppBackupDir(per_user_install_path, i);
        if (IsFileExist(backup)) {
            Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                           "[NOTE] linux/linux-service(%d): backup '%s' of an interrupted upgrade "
                           "exists, upgrading again\n",
                           __LINE__, backup.c_str());
            need = true;
            break;
        }
    }
    return need;
}

int LinuxService::HandlePackageUpgrade()
{
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

    if (kill(pid, SIGTERM) != 0) {
        int err = errno;
        if (err == ESRCH) {
            return;
        }
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                       __LINE__, strerror(err), err);
    }
    for (int i = 0; i < STOP_PROBE_COUNT; ++i) {
        if (kill(pid, 0) != 0 && errno == ESRCH) {
            return;
        }
        sleep(1);
    }
    kill(pid, SIGKILL);
}

void LinuxService::PostUpgrade()
{
    LaunchPerUserBin();
}

bool LinuxService::PerUserBinPathExist()
{
    ustring bin = per_user_install_path + "/" + "bin" + "/" + "skylet-backup-ui";
    return access(bin.c_str(), F_OK) == 0;
}

int LinuxService::LaunchPerUserBin()
{
    // The script path is passed as the program, never split at blanks, so a
    // home folder whose path holds a blank still starts the client.
    ustring script = per_user_install_path + "/package/start-stop";
    QProcess::execute(QString::fromUtf8(script.c_str_utf8()), QStringList() << "start");
    return 0;
}
