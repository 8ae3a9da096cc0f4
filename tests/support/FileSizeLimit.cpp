#include "tests/support/FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = m_previous;
    small.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}
