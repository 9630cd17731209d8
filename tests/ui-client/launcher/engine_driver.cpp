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
//       client is being stopped (renamed over it, as a package manager
//       does); with --overwrite-package-on-stop FILE, FILE's bytes are
//       written into the package file itself. --fill-home-on-stop fills the
//       home folder's file system to its last byte while the client is being
//       stopped; --rewrite-on-stop FILE writes FILE's own bytes into it
//       again, as a client that saves a file would. --swap-checksum-on-check FILE renames FILE over the
//       package's checksum file once the check has read the package.
//       --stall-limit S stops a reading of the package that makes no
//       progress while it keeps the processor busy for S seconds (30 by
//       default); --wait-limit S one that makes none while it waits (600).
//       The upgrade holds the user tree's lock, as the launcher's does,
//       until the client is started.
//   engine_driver decide     PreUpgrade and IsNeedUpgrade; prints need=.
//   engine_driver stop       StopService only.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "reading-process.h"
#include "texts/strtab.h"

namespace {

// Changes the installation while the client is being stopped, i.e. after
// the package was checked and before it is extracted.
class HookedService : public LinuxService {
public:
    const char* swap_with = nullptr;
    const char* overwrite_with = nullptr;
    const char* checksum_with = nullptr;
    const char* rewrite = nullptr;
    bool fill_home = false;

    void PackageChecked() override
    {
        if (checksum_with) {
            rename(checksum_with, GetPackageChecksumPath().c_str());
        }
    }

    void StopService() override
    {
        LinuxService::StopService();
        if (swap_with) {
            rename(swap_with, GetPackagePath().c_str());
        }
        if (overwrite_with) {
            CopyInto(overwrite_with, GetPackagePath().c_str());
        }
        if (rewrite) {
            const std::string saved = std::string(rewrite) + ".saved";
            CopyInto(rewrite, saved.c_str());
            CopyInto(saved.c_str(), rewrite);
            unlink(saved.c_str());
        }
        if (fill_home) {
            FillUp((GetUserInstallPath() + "/filler").c_str());
        }
    }

private:
    static void CopyInto(const char* from, const char* to)
    {
        int in = open(from, O_RDONLY);
        int out = open(to, O_WRONLY | O_TRUNC | O_CREAT, 0600);
        char buffer[65536];
        ssize_t n;
        while (in >= 0 && out >= 0 && (n = read(in, buffer, sizeof(buffer))) > 0) {
            if (write(out, buffer, static_cast<size_t>(n)) != n) {
                break;
            }
        }
        close(in);
        close(out);
    }
    static void FillUp(const char* path)
    {
        int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char> block(4096, 'f');
        while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
        }
        // The last partial block, byte by byte.
        while (fd >= 0 && write(fd, block.data(), 1) > 0) {
        }
        close(fd);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const int reading = ReadingProcess::RunIfAsked(argc, argv);
    if (reading >= 0) {
        return reading;
    }
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: engine_driver run|decide|stop [options]\n");
        return 2;
    }
    const char* command = argv[1];
    int kill_after = 0;
    std::unique_ptr<HookedService> service(new HookedService);
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option == "--fill-home-on-stop") {
            service->fill_home = true;
            continue;
        }
        if (!value) {
            fprintf(stderr, "option '%s' needs a value\n", option.c_str());
            return 2;
        }
        ++i;
        if (option == "--kill-after-entries") {
            kill_after = atoi(value);
        } else if (option == "--swap-package-on-stop") {
            service->swap_with = value;
        } else if (option == "--overwrite-package-on-stop") {
            service->overwrite_with = value;
        } else if (option == "--rewrite-on-stop") {
            service->rewrite = value;
        } else if (option == "--swap-checksum-on-check") {
            service->checksum_with = value;
        } else if (option == "--stall-limit") {
            service->SetStallLimit(atoi(value));
        } else if (option == "--wait-limit") {
            service->SetWaitLimit(atoi(value));
        } else {
            fprintf(stderr, "unknown option '%s'\n", option.c_str());
            return 2;
        }
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
