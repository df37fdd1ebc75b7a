// The calls through which an image is copied, behind pointers so that a test can take
// copy-on-write away or fill the disk, as a plain ext4 or a full one would.
// Only image_copy.cpp and its tests include this.
#pragma once

#include <sys/statvfs.h>

namespace kbd::diskimage {

struct CopyCalls {
    int (*clone)(int to, int from); // FICLONE: 0, or -1 with errno
    int (*fstatvfs)(int fd, struct statvfs* info);
};

// The calls in force: the real ones unless a test has put others in.
CopyCalls& ImageCopyCalls();

} // namespace kbd::diskimage
