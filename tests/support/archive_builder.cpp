#include "archive_builder.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <clocale>
#include <cstdio>
#include <ctime>

namespace testsupport {

namespace {

bool IsUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t more;
        unsigned int cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= more) {
            return false;
        }
        for (size_t k = 1; k <= more; ++k) {
            const unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not
        // UTF-8 either, and iconv would refuse them.
        if ((more == 2 && cp < 0x800) || (more == 3 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += more + 1;
    }
    return true;
}

// libarchive's writers convert names from the locale and decide the zip
// UTF-8 flag from the locale's codeset. The process's locale belongs to the
// test (and QCoreApplication sets it from the environment), so the formats
// that promise UTF-8 names switch only this thread's locale while writing.
class ThreadLocale {
public:
    ThreadLocale()
        : utf8(newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(0))),
          ascii(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))),
          previous(uselocale(static_cast<locale_t>(0)))
    {
    }
    ~ThreadLocale()
    {
        uselocale(previous);
        if (utf8) {
            freelocale(utf8);
        }
        if (ascii) {
            freelocale(ascii);
        }
    }
    ThreadLocale(const ThreadLocale&) = delete;
    ThreadLocale& operator=(const ThreadLocale&) = delete;

    bool Ok() const { return utf8 && ascii; }
    void UseUtf8() { uselocale(utf8); }
    void UseAscii() { uselocale(ascii); }

private:
    locale_t utf8;
    locale_t ascii;
    locale_t previous;
};

// RAR5 numbers: 7 bits a byte, low first, the top bit set where more follow.
void PutVint(std::string& out, uint64_t value)
{
    do {
        out += static_cast<char>((value & 0x7f) | (value > 0x7f ? 0x80 : 0));
        value >>= 7;
    } while (value);
}

// Fixed-size numbers, low byte first.
void PutLe(std::string& out, uint32_t value, int bytes)
{
    for (int shift = 0; shift < 8 * bytes; shift += 8) {
        out += static_cast<char>(value >> shift);
    }
}

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xffffffffu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

// A RAR5 header: its CRC-32 over the size and the rest, the size of the rest
// (type, flags and the type's fields), then the rest.
std::string Rar5Header(const std::string& rest)
{
    std::string sized;
    PutVint(sized, rest.size());
    sized += rest;
    std::string header;
    PutLe(header, Crc32(sized), 4);
    return header + sized;
}

// A RAR 1.5-4.x block: the low half of the CRC-32 over the rest, then the
// rest: its type, flags, its size and the type's fields.
std::string Rar4Block(int type, int flags, const std::string& fields)
{
    std::string rest(1, static_cast<char>(type));
    PutLe(rest, flags, 2);
    PutLe(rest, 7 + fields.size(), 2);
    rest += fields;
    std::string block;
    PutLe(block, Crc32(rest), 2);
    return block + rest;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    bool ok = file && fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && fclose(file) != 0) {
        ok = false;
    }
    if (!ok) {
        fprintf(stderr, "ArchiveBuilder: writing '%s' failed\n", path.c_str());
    }
    return ok;
}

}  // namespace

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
    if (format == Rar5Stored || format == Rar4Stored) {
        for (const Entry& e : entries) {
            if (e.kind != KindDir && e.kind != KindFile) {
                fprintf(stderr, "ArchiveBuilder: RAR is written with folders and files only: '%s'\n",
                        e.name.c_str());
                return false;
            }
        }
        return WriteBytes(path, format == Rar5Stored ? Rar5() : Rar4());
    }
    archive* aw = archive_write_new();
    if (!aw) {
        return false;
    }
    ThreadLocale locale;
    const bool utf8Names = format == Zip || format == SevenZip || format == PaxUtf8;
    if (utf8Names) {
        if (!locale.Ok()) {
            fprintf(stderr, "ArchiveBuilder: no C.UTF-8 locale to write '%s' with\n", path.c_str());
            archive_write_free(aw);
            return false;
        }
        locale.UseUtf8();
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
    case SevenZip:
        ok = archive_write_set_format_7zip(aw) == ARCHIVE_OK;
        break;
    case PaxUtf8:
        ok = archive_write_set_format_pax_restricted(aw) == ARCHIVE_OK &&
             archive_write_set_format_option(aw, "pax", "hdrcharset", "UTF-8") == ARCHIVE_OK;
        break;
    case Rar5Stored:  // libarchive has no writer for either
    case Rar4Stored:
        ok = false;
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
        // The 7z writer would silently store an empty regular file.
        if (format == SevenZip && e.kind == KindHardLink) {
            fprintf(stderr, "ArchiveBuilder: 7z cannot store the hard link '%s'\n", e.name.c_str());
            ok = false;
            break;
        }
        // Checked here: the 7z writer would put U+FFFD in the name and
        // still report success.
        const bool linkConverted = format == PaxUtf8 && (e.kind == KindSymlink || e.kind == KindHardLink);
        if ((format == SevenZip || format == PaxUtf8) &&
            (!IsUtf8(e.name) || (linkConverted && !IsUtf8(e.data)))) {
            fprintf(stderr, "ArchiveBuilder: '%s' or its link target is not UTF-8\n", e.name.c_str());
            ok = false;
            break;
        }
        // The zip writer flags a non-ASCII name as UTF-8 when the codeset is;
        // a name that is not UTF-8 must go out raw and unflagged instead.
        if (format == Zip) {
            if (IsUtf8(e.name)) {
                locale.UseUtf8();
            } else {
                locale.UseAscii();
            }
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

std::string ArchiveBuilder::Rar5() const
{
    enum { MainHeader = 1, FileHeader = 2, EndHeader = 5, HasData = 0x02 };
    enum { IsFolder = 0x01, HasCrc = 0x04, Unix = 1 };
    std::string out("Rar!\x1a\x07\x01\x00", 8);
    out += Rar5Header(std::string{MainHeader, 0, 0});  // one volume, not solid
    for (const Entry& e : entries) {
        const bool dir = e.kind == KindDir;
        std::string rest;
        PutVint(rest, FileHeader);
        PutVint(rest, HasData);  // libarchive wants the field even for a folder
        PutVint(rest, e.data.size());
        PutVint(rest, dir ? IsFolder : HasCrc);
        PutVint(rest, e.data.size());
        PutVint(rest, static_cast<uint64_t>(e.mode) | (dir ? S_IFDIR : S_IFREG));
        if (!dir) {
            PutLe(rest, Crc32(e.data), 4);
        }
        PutVint(rest, 0);  // stored, with the smallest dictionary
        PutVint(rest, Unix);
        PutVint(rest, e.name.size());
        out += Rar5Header(rest + e.name) + e.data;
    }
    return out + Rar5Header(std::string{EndHeader, 0, 0});  // the last volume
}

std::string ArchiveBuilder::Rar4() const
{
    enum { MainHeader = 0x73, FileHeader = 0x74, EndBlock = 0x7b, HasDataSize = 0x8000, IsFolder = 0xe0 };
    enum { Unix = 3, Version20 = 20, Stored = 0x30, DosTime = 0x50210000 };  // 2020-01-01
    std::string out("Rar!\x1a\x07\x00", 7);
    out += Rar4Block(MainHeader, 0, std::string(6, '\0'));  // one volume, not solid
    for (const Entry& e : entries) {
        const bool dir = e.kind == KindDir;
        std::string fields;
        PutLe(fields, e.data.size(), 4);  // packed
        PutLe(fields, e.data.size(), 4);  // unpacked
        fields += static_cast<char>(Unix);
        PutLe(fields, Crc32(e.data), 4);
        PutLe(fields, DosTime, 4);
        fields += std::string{Version20, Stored};
        PutLe(fields, e.name.size(), 2);
        PutLe(fields, static_cast<uint32_t>(e.mode) | (dir ? S_IFDIR : 0), 4);
        out += Rar4Block(FileHeader, HasDataSize | (dir ? IsFolder : 0), fields + e.name) + e.data;
    }
    return out + Rar4Block(EndBlock, 0, "");
}

}  // namespace testsupport
