#include "entry-rules.h"

#include <archive_entry.h>
#include <limits.h>

#include "entry-path.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "extractor_debug";

// A client copy is files, folders and links; a device or pipe in the package
// is a mistake or an attack, never something to create in a home folder.
Step RefuseSpecialFile(archive_entry* entry)
{
    switch (archive_entry_filetype(entry)) {
    case AE_IFCHR:
        return Refuse(entry, "it is a character device");
    case AE_IFBLK:
        return Refuse(entry, "it is a block device");
    case AE_IFIFO:
        return Refuse(entry, "it is a FIFO");
    case AE_IFSOCK:
        return Refuse(entry, "it is a socket");
    default:
        return Step::Ok;
    }
}

}  // namespace

Step Refuse(archive_entry* entry, const char* why, const std::string& detail)
{
    Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): refusing entry '%s': %s%s\n",
                   __LINE__, EntryName(entry), why, detail.c_str());
    return Step::PackageFault;
}

bool EntryHasData(archive_entry* entry)
{
    bool file = true;
    if (!archive_entry_hardlink(entry)) {
        switch (archive_entry_filetype(entry)) {
        case AE_IFDIR:
        case AE_IFLNK:
        case AE_IFCHR:
        case AE_IFBLK:
        case AE_IFIFO:
        case AE_IFSOCK:
            file = false;
            break;
        default:
            // A regular file, or one whose type the archive leaves unset
            // (RAR from hosts that store the permission bits only): the
            // writer makes a regular file of either.
            break;
        }
    }
    return file && (!archive_entry_size_is_set(entry) || archive_entry_size(entry) > 0);
}

Step EntryRules::Admit(archive_entry* entry, int number)
{
    const char* name = archive_entry_pathname(entry);
    if (!name) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_entry_pathname failed (entry %d)\n", __LINE__,
                       number);
        return Step::PackageFault;
    }
    if (name[0] == '\0') {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): refusing entry %d: it has no name\n", __LINE__, number);
        return Step::PackageFault;
    }
    Step step = RefuseSpecialFile(entry);
    if (step != Step::Ok) {
        return step;
    }
    const char* hardlink = archive_entry_hardlink(entry);
    const bool is_dir = !hardlink && archive_entry_filetype(entry) == AE_IFDIR;
    if ((step = CheckName(entry, name, parts)) != Step::Ok) {
        return step;
    }
    if (parts.empty()) {
        // The target itself: its mode is the launcher's choice (a folder
        // of the user's, made by the caller), so a folder entry for it is
        // read and passed over; anything else would replace the target,
        // and a link there would carry every later entry elsewhere.
        return is_dir ? Step::Skip : Refuse(entry, "it would replace the target folder");
    }
    if ((step = CheckFolders(entry, is_dir ? parts.size() : parts.size() - 1)) != Step::Ok) {
        return step;
    }
    const std::string path = JoinParts(parts, parts.size());
    if (hardlink && (step = CheckHardLinkTarget(entry, hardlink)) != Step::Ok) {
        return step;
    }
    auto it = tree.find(path);
    if (!is_dir && it != tree.end() && it->second == Folder && HoldsAnything(path)) {
        return Refuse(entry, "it would replace the folder it names, which is not empty");
    }
    Kind kind = is_dir ? Folder : archive_entry_filetype(entry) == AE_IFLNK && !hardlink ? Link : File;
    tree[path] = kind;
    return Step::Ok;
}

Step EntryRules::CheckName(archive_entry* entry, const char* name, std::vector<std::string>& split)
{
    if (!SplitEntryPath(name, split)) {
        return Refuse(entry, "it leaves the target folder through \"..\"");
    }
    for (const std::string& part : split) {
        if (part.size() > NAME_MAX) {
            return Refuse(entry, "a name in it is longer than the file system allows");
        }
    }
    return Step::Ok;
}

Step EntryRules::CheckFolders(archive_entry* entry, size_t count)
{
    std::string prefix;
    for (size_t i = 0; i < count; ++i) {
        if (i) {
            prefix += '/';
        }
        prefix += parts[i];
        auto it = tree.find(prefix);
        if (it == tree.end() || it->second == File) {
            tree[prefix] = Folder;
        } else if (it->second == Link) {
            return Refuse(entry, "it passes through the symbolic link ", "'" + prefix + "'");
        }
    }
    return Step::Ok;
}

Step EntryRules::CheckHardLinkTarget(archive_entry* entry, const char* hardlink)
{
    std::vector<std::string> target_parts;
    Step step = CheckName(entry, hardlink, target_parts);
    if (step != Step::Ok) {
        return step;
    }
    std::string prefix;
    for (size_t i = 0; i < target_parts.size(); ++i) {
        prefix += (i ? "/" : "") + target_parts[i];
        auto it = tree.find(prefix);
        const bool last = i + 1 == target_parts.size();
        if (it != tree.end() && it->second == Link && !last) {
            return Refuse(entry, "it passes through the symbolic link ", "'" + prefix + "'");
        }
        if (it == tree.end() || (last && it->second == Folder)) {
            return Refuse(entry, "its link target is no earlier file of the package: ",
                          "'" + std::string(hardlink) + "'");
        }
    }
    return target_parts.empty() ? Refuse(entry, "its link target is the target folder") : Step::Ok;
}

bool EntryRules::HoldsAnything(const std::string& folder) const
{
    const std::string below = folder + "/";
    for (const auto& item : tree) {
        if (item.first.compare(0, below.size(), below) == 0) {
            return true;
        }
    }
    return false;
}
