#pragma once

#include <cstdlib>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace kvtest {

// Makes writing beyond a file size fail for real. Natively the test sets the
// process's file size limit itself; under Wine the test runner starts the
// program under "ulimit -f" and says so in KV_FILE_SIZE_LIMIT (bytes).
class FileSizeLimit {
public:
    FileSizeLimit() {
#ifdef _WIN32
        if (const char* limit = std::getenv("KV_FILE_SIZE_LIMIT"))
            bytes_ = std::strtoull(limit, nullptr, 10);
#else
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0)
            return;
        rlimit limited = previous_;
        limited.rlim_cur = 256 * 1024;
        // Beyond the limit, write fails with EFBIG once the signal is ignored.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limited) == 0)
            bytes_ = limited.rlim_cur;
#endif
    }
    ~FileSizeLimit() {
#ifndef _WIN32
        if (bytes_ != 0)
            setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
#endif
    }
    // 0 when there is no limit.
    unsigned long long Bytes() const {
        return bytes_;
    }

private:
    unsigned long long bytes_ = 0;
#ifndef _WIN32
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
#endif
};

} // namespace kvtest
