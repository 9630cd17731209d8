// Running test code as a user whose permission bits bind. Root ignores them,
// so a test run as root reaches the permission-denied paths only in a child
// that has dropped to nobody.
#ifndef TEST_SUPPORT_UNPRIVILEGED_H
#define TEST_SUPPORT_UNPRIVILEGED_H

#include <sys/types.h>

#include <functional>
#include <string>

namespace testsupport {

const uid_t kNobody = 65534;

// Runs `body` in a child that has dropped root, and returns its exit code
// (or -1 if it did not exit normally).
int RunAsNobody(const std::function<int()>& body);

// Runs `body` as a user whose folder modes bind: in the test itself, or, for
// root, in a child as nobody. The exit code either way.
int RunUnprivileged(const std::function<int()>& body);

// Hands `path` and everything below it to nobody when we are root, so that
// RunUnprivileged works on its own tree, as a user would. Links themselves
// change hands; what they point at does not.
void GiveToNobody(const std::string& path);

}  // namespace testsupport

#endif
