// LinuxService: the Linux upgrade service. It decides from the two INFO
// records and the client executable whether the user's copy must be
// replaced, stops the running client through its pid file, replaces the
// copy (inherited from Service) and starts the client again.
#ifndef LAUNCHER_LINUX_LINUX_SERVICE_H
#define LAUNCHER_LINUX_LINUX_SERVICE_H

#include <string>
#include <vector>

#include "cloud-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    virtual ~LinuxService();

    static LinuxService& GetInstace();

    // Loads and logs the target record, then the source record.
    void PreUpgrade() override;
    // True when the package's build number is greater than the copy's, when
    // the client executable is missing, or when a backup folder left by an
    // interrupted upgrade exists; false for a package found defective
    // before, unless what an interrupted upgrade left is to be settled.
    // When true, it holds the user tree's lock, taken for the upgrade and
    // decided again under it.
    bool IsNeedUpgrade() override;
    // Stops a running client, then replaces the copy (or only settles what
    // an interrupted upgrade left); 0 or -1.
    int HandlePackageUpgrade() override;
    // SIGTERM to the client named in ui.pid, up to five seconds' wait for
    // its end, then SIGKILL. Sends nothing for a missing, unreadable or
    // invalid pid, nor to a process that is not this user's client.
    void StopService() override;
    // Lets go of the user tree's lock, then runs the copy's
    // package/start-stop with the argument "start" and waits for it.
    void PostUpgrade() override;

private:
    // The upgrade decision; `log` says whether it is told in the log.
    bool Decide(bool log);
    // The folders the running client's executable may lie in.
    std::vector<std::string> ClientFolders() const;
    bool PerUserBinPathExist();
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();

    // Set by IsNeedUpgrade when the package is not to be tried, but what an
    // interrupted upgrade left is to be settled.
    bool restore_only = false;
};

#endif
