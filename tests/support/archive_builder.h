// Writes real archives with libarchive's writer, entry by entry and (but for
// 7z) in the order given, so tests can build well-formed packages as well as
// hostile ones (names with "..", absolute names, links into and out of the
// tree, FIFOs and devices).
//
//   ArchiveBuilder b;
//   b.Dir("bin").File("bin/tool", "#!/bin/sh\n", 0755).Symlink("lib", "/usr/lib");
//   ASSERT_TRUE(b.Write(tmp.Path("pkg.tar.gz"), ArchiveBuilder::TarGz));
//
// Names and link targets are stored exactly as given, as bytes:
//  - Tar, TarGz: a restricted pax archive; names are converted from the
//    process's locale, so non-ASCII names need a UTF-8 locale there.
//  - PaxUtf8: the same uncompressed pax archive, but names and link targets
//    go into the pax headers as UTF-8 whatever the process's locale is. Both
//    must be valid UTF-8; Write fails otherwise.
//  - Zip: a name that is valid UTF-8 and not ASCII carries the UTF-8 flag,
//    whatever the process's locale is; a name that is not valid UTF-8 is
//    stored raw without the flag, as an old zipper writing a legacy code page
//    would. Link targets are the symbolic link's data, raw. Zip cannot hold
//    hard links, FIFOs or devices; Write fails for such an archive.
//  - SevenZip: names are stored as UTF-16, so they must be valid UTF-8; Write
//    fails otherwise. Link targets are the symbolic link's data, raw. 7z
//    cannot hold hard links; Write fails for such an archive. FIFOs and
//    devices keep their type in the Unix mode bits, but a device loses its
//    numbers and reads back as (0, 0), a number no driver answers either.
//    The writer stores the entries without data (folders, empty files, FIFOs,
//    devices) after those with data, so the order given is not kept.
//  - Rar5Stored: RAR5, which libarchive reads but cannot write, made here:
//    folders and files only, data stored as it is, names as given (UTF-8).
//  - Rar4Stored: RAR 1.5-4.x, made here too: folders and files, stored, from a
//    Unix host. A file's mode is its attributes as given, so that a mode
//    without type bits (0644, not S_IFREG | 0644) reads back with no file
//    type at all, as some hosts write it. libarchive never compares the CRC
//    of stored RAR 4 data: damage there shows only where the data is cut.
#ifndef TEST_SUPPORT_ARCHIVE_BUILDER_H
#define TEST_SUPPORT_ARCHIVE_BUILDER_H

#include <string>
#include <vector>

namespace testsupport {

class ArchiveBuilder {
public:
    enum Format { Tar, TarGz, Zip, SevenZip, PaxUtf8, Rar5Stored, Rar4Stored };

    ArchiveBuilder& Dir(const std::string& name, int mode = 0755);
    ArchiveBuilder& File(const std::string& name, const std::string& content, int mode = 0644);
    ArchiveBuilder& Symlink(const std::string& name, const std::string& target);
    ArchiveBuilder& HardLink(const std::string& name, const std::string& target);
    ArchiveBuilder& Fifo(const std::string& name);
    // A character or block device with the numbers of the null device (1, 3),
    // so that an extractor that wrongly creates it makes nothing harmful.
    ArchiveBuilder& Device(const std::string& name, bool block = false);

    size_t EntryCount() const { return entries.size(); }

    // Writes the archive; false (with the library's error on stderr) on
    // failure. An empty builder writes a valid archive without entries.
    bool Write(const std::string& path, Format format) const;

private:
    enum Kind { KindDir, KindFile, KindSymlink, KindHardLink, KindFifo, KindCharDevice, KindBlockDevice };
    struct Entry {
        Kind kind;
        std::string name;
        std::string data;  // file content or link target
        int mode;
    };
    std::string Rar5() const;
    std::string Rar4() const;

    std::vector<Entry> entries;
};

}  // namespace testsupport

#endif
