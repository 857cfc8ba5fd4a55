#include "RegularFile.h"

#include <filesystem>
#include <functional>
#include <system_error>

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

std::string normalPathSpelling(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(path), ec);
    if (ec)
        absolute = fs::path(path);
    std::string spelling = absolute.lexically_normal().string();
    while (spelling.size() > 1 && spelling.back() == '/')
        spelling.pop_back();
    return spelling;
}

FileIdentity::FileIdentity(const std::string& path)
{
    struct stat info
    {
    };
    if (!path.empty() && ::stat(path.c_str(), &info) == 0)
    {
        m_exists = true;
        m_device = static_cast<uint64_t>(info.st_dev);
        m_inode = static_cast<uint64_t>(info.st_ino);
        return;
    }
    m_spelling = normalPathSpelling(path);
}

bool FileIdentity::operator==(const FileIdentity& other) const
{
    if (m_exists != other.m_exists)
        return false;
    if (m_exists)
        return m_device == other.m_device && m_inode == other.m_inode;
    return !m_spelling.empty() && m_spelling == other.m_spelling;
}

size_t FileIdentity::Hash::operator()(const FileIdentity& identity) const
{
    if (!identity.m_exists)
        return std::hash<std::string>{}(identity.m_spelling);
    return std::hash<uint64_t>{}(identity.m_device * 0x9E3779B97F4A7C15ull ^ identity.m_inode);
}

bool isSameFile(const std::string& a, const std::string& b)
{
    return FileIdentity(a) == FileIdentity(b);
}
