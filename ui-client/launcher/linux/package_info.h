// PackageInfo: the fixed locations of a standard installation under
// /opt/Veltrane/Skylet. The upgrade sequence computes its paths at run time
// through Service's getters instead; this record only names the defaults.
#ifndef LAUNCHER_LINUX_PACKAGE_INFO_H
#define LAUNCHER_LINUX_PACKAGE_INFO_H

#include "ustring/ustring.h"

class PackageInfo {
public:
    static PackageInfo& GetInstance();

    ustring GetImageFolder() const { return ImageFolder; }
    ustring GetLogFolder() const { return LogFolder; }
    ustring GetLogLevelPath() const { return LogLevelPath; }
    ustring GetPackagePath() const { return PackagePath; }
    ustring GetConfigFolder() const { return ConfigFolder; }

private:
    PackageInfo();
    PackageInfo(const PackageInfo&) = delete;
    PackageInfo& operator=(const PackageInfo&) = delete;

    ustring ImageFolder;
    ustring LogFolder;
    ustring LogLevelPath;
    ustring PackagePath;
    ustring ConfigFolder;
};

#endif
