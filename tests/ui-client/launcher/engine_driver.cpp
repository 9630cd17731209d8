// Runs the upgrade engine the way the launcher's worker does, for tests
// that place this program into a temporary install root (<root>/bin/) and
// run it with a temporary HOME. The engine logs to $HOME/engine.log with
// the levels of <root>/log/launcher.debug.
//
//   engine_driver run [--kill-after-entries N]
//       PreUpgrade, IsNeedUpgrade, HandlePackageUpgrade when needed,
//       RemoveAgedFolders, PostUpgrade. Prints "progress <total> <step>" per
//       extracted entry and "need=<0|1> result=<n>" at the end. With
//       --kill-after-entries the process kills itself with SIGKILL once N
//       entries are extracted: a crash in the middle of an upgrade. With
//       --swap-package-on-stop FILE, FILE replaces the package while the
//       client is being stopped.
//   engine_driver decide     PreUpgrade and IsNeedUpgrade; prints need=.
//   engine_driver stop       StopService only.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QCoreApplication>

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

// Installs another package while the client is being stopped, i.e. after
// the package was checked and before it is extracted.
class SwappingService : public LinuxService {
public:
    explicit SwappingService(const char* replacement) : replacement(replacement) {}
    void StopService() override
    {
        LinuxService::StopService();
        rename(replacement, GetPackagePath().c_str());
    }

private:
    const char* replacement;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: engine_driver run|decide|stop [--kill-after-entries N | --swap-package-on-stop FILE]\n");
        return 2;
    }
    const char* command = argv[1];
    int kill_after = 0;
    const char* swap_with = nullptr;
    if (argc == 4 && strcmp(argv[2], "--kill-after-entries") == 0) {
        kill_after = atoi(argv[3]);
    }
    if (argc == 4 && strcmp(argv[2], "--swap-package-on-stop") == 0) {
        swap_with = argv[3];
    }

    ustring log_path = Service::GetUserInstallPath() + "/engine.log";
    ustring level_path = Service::GetRootSkyletInstallPath() + "/log/launcher.debug";
    if (Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50) != 0) {
        fprintf(stderr, "cannot open log '%s'\n", log_path.c_str());
        return 3;
    }
    StrTable::InitStrTable();
    QObject::connect(
        &Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress, &app,
        [kill_after](int total, int step) {
            printf("progress %d %d\n", total, step);
            fflush(stdout);
            if (kill_after > 0 && step >= kill_after) {
                raise(SIGKILL);
            }
        },
        Qt::DirectConnection);

    std::unique_ptr<Service> service(swap_with ? new SwappingService(swap_with) : new LinuxService);
    if (strcmp(command, "stop") == 0) {
        service->StopService();
    } else if (strcmp(command, "decide") == 0) {
        service->PreUpgrade();
        printf("need=%d\n", service->IsNeedUpgrade() ? 1 : 0);
    } else if (strcmp(command, "run") == 0) {
        service->PreUpgrade();
        bool need = service->IsNeedUpgrade();
        int result = need ? service->HandlePackageUpgrade() : 0;
        service->RemoveAgedFolders();
        service->PostUpgrade();
        printf("need=%d result=%d\n", need ? 1 : 0, result);
    } else {
        fprintf(stderr, "unknown command '%s'\n", command);
        return 2;
    }
    return 0;
}
