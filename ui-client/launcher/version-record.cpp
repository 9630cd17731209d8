#include "version-record.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include <QSettings>
#include <QString>
#include <QVariant>

#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";

// What tells one file from another that took its name: device, inode, size
// and modification time.
std::string Identity(const struct stat& st)
{
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) +
           ":" + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

std::string FileIdentity(const ustring& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? Identity(st) : std::string();
}

}  // namespace

// The record is read only when it is a regular file of bounded size: a FIFO
// or a folder in its place counts as missing, so the run never hangs on it.
// The file stays checked while Qt's INI reader reads it: a file swapped in
// meanwhile is not taken either.
void ReadVersionRecord(const ustring& path, VersionRecord& info, bool quiet)
{
    std::string checked_text;
    struct stat checked;
    int code = FSReadStateFile(path, STATE_FILE_MAX_BYTES, checked_text, &checked);
    if (code != 0) {
        if (code != -2 && !quiet) {
            Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                           "[WARNING] version-record(%d): version record '%s' is %s, read as missing\n",
                           __LINE__, path.c_str(), FSStateFileError(code));
        }
        return;
    }
    VersionRecord read = info;
    QSettings settings(QString::fromUtf8(path.c_str_utf8()), QSettings::IniFormat);
    settings.beginGroup("Version");
    struct Field {
        const char* key;
        ustring* value;
    } fields[] = {
        {"major_version", &read.major_version},
        {"minor_version", &read.minor_version},
        {"build_version", &read.build_version},
        {"icon_overlay_version", &read.icon_overlay_version},
    };
    for (const Field& field : fields) {
        if (settings.contains(field.key)) {
            *field.value = ustring(settings.value(field.key).toString().toUtf8().constData());
        }
    }
    settings.endGroup();

    if (FileIdentity(path) != Identity(checked)) {
        if (quiet) {
            return;
        }
        Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                       "[WARNING] version-record(%d): version record '%s' changed while it was read, read "
                       "as missing\n",
                       __LINE__, path.c_str());
        return;
    }
    info = read;
}

int BuildNumber(const ustring& build_version)
{
    return build_version.empty() ? 0 : atoi(build_version.c_str());
}
