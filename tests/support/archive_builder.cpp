#include "archive_builder.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <ctime>

namespace testsupport {

ArchiveBuilder& ArchiveBuilder::Dir(const std::string& name, int mode)
{
    entries.push_back({KindDir, name, "", mode});
    return *this;
}

ArchiveBuilder& ArchiveBuilder::File(const std::string& name, const std::string& content, int mode)
{
    entries.push_back({KindFile, name, content, mode});
    return *this;
}

ArchiveBuilder& ArchiveBuilder::Symlink(const std::string& name, const std::string& target)
{
    entries.push_back({KindSymlink, name, target, 0777});
    return *this;
}

ArchiveBuilder& ArchiveBuilder::HardLink(const std::string& name, const std::string& target)
{
    entries.push_back({KindHardLink, name, target, 0644});
    return *this;
}

ArchiveBuilder& ArchiveBuilder::Fifo(const std::string& name)
{
    entries.push_back({KindFifo, name, "", 0644});
    return *this;
}

ArchiveBuilder& ArchiveBuilder::Device(const std::string& name, bool block)
{
    entries.push_back({block ? KindBlockDevice : KindCharDevice, name, "", 0666});
    return *this;
}

bool ArchiveBuilder::Write(const std::string& path, Format format) const
{
    archive* aw = archive_write_new();
    if (!aw) {
        return false;
    }
    bool ok = true;
    switch (format) {
    case Tar:
        ok = archive_write_set_format_pax_restricted(aw) == ARCHIVE_OK;
        break;
    case TarGz:
        ok = archive_write_set_format_pax_restricted(aw) == ARCHIVE_OK &&
             archive_write_add_filter_gzip(aw) == ARCHIVE_OK;
        break;
    case Zip:
        ok = archive_write_set_format_zip(aw) == ARCHIVE_OK;
        break;
    }
    ok = ok && archive_write_open_filename(aw, path.c_str()) == ARCHIVE_OK;

    const time_t now = time(nullptr);
    for (size_t i = 0; ok && i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (format == Zip && e.kind == KindHardLink) {
            fprintf(stderr, "ArchiveBuilder: zip cannot store the hard link '%s'\n", e.name.c_str());
            ok = false;
            break;
        }
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.c_str());
        archive_entry_set_mtime(entry, now, 0);
        switch (e.kind) {
        case KindDir:
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case KindFile:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, static_cast<la_int64_t>(e.data.size()));
            break;
        case KindSymlink:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink(entry, e.data.c_str());
            break;
        case KindHardLink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_hardlink(entry, e.data.c_str());
            break;
        case KindFifo:
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        case KindCharDevice:
        case KindBlockDevice:
            archive_entry_set_filetype(entry, e.kind == KindCharDevice ? AE_IFCHR : AE_IFBLK);
            archive_entry_set_rdev(entry, makedev(1, 3));
            break;
        }
        archive_entry_set_perm(entry, static_cast<mode_t>(e.mode));
        ok = archive_write_header(aw, entry) == ARCHIVE_OK;
        if (ok && e.kind == KindFile && !e.data.empty()) {
            ok = archive_write_data(aw, e.data.data(), e.data.size()) ==
                 static_cast<la_ssize_t>(e.data.size());
        }
        archive_entry_free(entry);
    }
    if (!ok) {
        fprintf(stderr, "ArchiveBuilder: writing '%s' failed: %s\n", path.c_str(),
                archive_error_string(aw) ? archive_error_string(aw) : "unknown error");
    }
    if (archive_write_close(aw) != ARCHIVE_OK) {
        ok = false;
    }
    archive_write_free(aw);
    return ok;
}

}  // namespace testsupport
