// Sends the process-wide logger to a file, with every component of the
// launcher at L_DEBUG, for the lifetime of the object; logging is disabled
// again afterwards. One LogCapture at a time.
#ifndef TEST_SUPPORT_LOG_CAPTURE_H
#define TEST_SUPPORT_LOG_CAPTURE_H

#include <string>

namespace testsupport {

// The level file text that enables every launcher component at L_DEBUG.
extern const char* const kAllComponentsDebug;

class LogCapture {
public:
    // Log and level file go into `dir`, which must exist.
    explicit LogCapture(const std::string& dir);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    bool Ok() const { return ok; }
    std::string Text() const;
    // Lines that contain `needle`.
    int Count(const std::string& needle) const;

private:
    std::string log_path;
    bool ok = false;
};

}  // namespace testsupport

#endif
