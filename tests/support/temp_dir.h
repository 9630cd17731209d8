// Temporary folders and small file helpers for tests.
#ifndef TEST_SUPPORT_TEMP_DIR_H
#define TEST_SUPPORT_TEMP_DIR_H

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// A fresh folder below $TMPDIR (or /tmp), removed with everything in it when
// the object goes away. Path() is empty if the folder could not be made.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }
    // Path() + "/" + rel.
    std::string Path(const std::string& rel) const { return path + "/" + rel; }

private:
    std::string path;
};

// Fixture that gives every test its own TempDir.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(tmp.Path().empty()); }
    TempDir tmp;
};

// Creates the parent folders of `path`, then writes `content` to it.
bool WriteFile(const std::string& path, const std::string& content, int mode = 0644);
// The whole file, or "" when it cannot be read (check PathExists first when
// that matters).
std::string ReadFile(const std::string& path);
bool MakeDirs(const std::string& path);
// lstat-based: a dangling symbolic link exists.
bool PathExists(const std::string& path);
bool IsSymlink(const std::string& path);
// Removes a tree without following links; true when nothing is left.
bool RemoveTree(const std::string& path);

}  // namespace testsupport

#endif
