#include "RegularFile.h"

#include <sys/stat.h>

bool isRegularFile(const char* path)
{
    struct stat info
    {
    };
    return path && *path && ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool isRegularFile(const std::string& path)
{
    return isRegularFile(path.c_str());
}
