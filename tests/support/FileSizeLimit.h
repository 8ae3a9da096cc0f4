#pragma once

#include <csignal>
#include <sys/resource.h>

// Stops this process's file writes after `bytes`, as a full disk would stop them half way:
// the write fails with EFBIG instead of the process getting SIGXFSZ. The previous limit
// and signal handling come back when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // Whether the limit was set.
    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_active = false;
};
