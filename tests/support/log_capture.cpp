#include "log_capture.h"

#include "log.h"
#include "process.h"
#include "temp_dir.h"

namespace testsupport {

const char* const kAllComponentsDebug =
    "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=7\n"
    // Test runs stay out of the machine's system log.
    "system_log=0\n";

LogCapture::LogCapture(const std::string& dir) : log_path(dir + "/capture.log")
{
    const std::string level_path = dir + "/capture.debug";
    ok = WriteFile(level_path, kAllComponentsDebug) &&
         Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), level_path.c_str(), 50) == 0;
}

LogCapture::~LogCapture()
{
    Logger::Destroy();
}

std::string LogCapture::Text() const
{
    return ReadFile(log_path);
}

int LogCapture::Count(const std::string& needle) const
{
    return CountLines(Text(), needle);
}

}  // namespace testsupport
