// The system calls through which the safe replace reaches the disk, behind pointers so
// that a test can make any one of them fail as a full disk or a dying device would.
// Only atomic_file.cpp and its tests include this.
#pragma once

#include <cstddef>
#include <sys/types.h>

namespace kbd {

struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};

// The calls in force: the real ones unless a test has put others in.
SystemCalls& FileSystemCalls();

} // namespace kbd
