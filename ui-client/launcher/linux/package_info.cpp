#include "linux/package_info.h"

#include <QDir>
#include <QString>

PackageInfo& PackageInfo::GetInstance()
{
    static PackageInfo instance;
    return instance;
}

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Veltrane/Skylet/images"),
      LogFolder((QDir::homePath() + "/.Skylet").toUtf8().constData()),
      LogLevelPath("/opt/Veltrane/Skylet/log/launcher.debug"),
      PackagePath("/opt/Veltrane/Skylet/package/skylet.vpk"),
      ConfigFolder("/opt/Veltrane/Skylet/conf")
{
}
