// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

// Lowers this process's file-size limit for one scope, so that writes past it
// fail the way a full disk does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }

    // The reason a write past the limit gives (EFBIG), as Qt words it; a save
    // that fails so should tell the user this, not a reason of its own.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};
