// A byte-for-byte description of a folder tree, for "restored exactly"
// checks: every entry below the root, by relative path, with its kind,
// permission bits and content (file bytes or link target). Links are never
// followed.
#ifndef TEST_SUPPORT_TREE_SNAPSHOT_H
#define TEST_SUPPORT_TREE_SNAPSHOT_H

#include <map>
#include <string>

namespace testsupport {

// Relative path -> "dir 755", "file 644 <bytes>" or "link -> <target>".
// Empty for a missing root.
std::map<std::string, std::string> SnapshotTree(const std::string& root);

}  // namespace testsupport

#endif
