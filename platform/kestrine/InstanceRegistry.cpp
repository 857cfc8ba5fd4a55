#include "InstanceRegistry.h"

#include <climits>

namespace kestrine
{

InstanceRegistry& InstanceRegistry::global()
{
    static InstanceRegistry registry;
    return registry;
}

int InstanceRegistry::open(const char* identity)
{
    if (!identity || !*identity)
        return 0;
    std::lock_guard lock(m_mutex);
    // Handles are never reused while still known; after INT_MAX they wrap to 1.
    do
    {
        m_lastHandle = m_lastHandle == INT_MAX ? 1 : m_lastHandle + 1;
    } while (m_instances.count(m_lastHandle));
    Instance instance;
    instance.identity = identity;
    m_instances.emplace(m_lastHandle, std::move(instance));
    return m_lastHandle;
}

void InstanceRegistry::configure(int handle, int value)
{
    std::lock_guard lock(m_mutex);
    if (auto it = m_instances.find(handle); it != m_instances.end())
        it->second.configuredValue = value;
}

void InstanceRegistry::close(int handle)
{
    std::lock_guard lock(m_mutex);
    if (auto it = m_instances.find(handle); it != m_instances.end())
        it->second.closed = true;
}

bool InstanceRegistry::release(int handle)
{
    std::lock_guard lock(m_mutex);
    return m_instances.erase(handle) > 0;
}

bool InstanceRegistry::isUsable(int handle) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_instances.find(handle);
    return it != m_instances.end() && !it->second.closed;
}

int InstanceRegistry::addMedia(int handle, const std::string& path)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_instances.find(handle);
    if (it == m_instances.end() || it->second.closed || it->second.lastMediaId == INT_MAX)
        return -1;
    const int id = ++it->second.lastMediaId;
    it->second.media.emplace(id, path);
    return id;
}

std::optional<std::string> InstanceRegistry::mediaPath(int handle, int mediaId) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_instances.find(handle);
    if (it == m_instances.end() || it->second.closed)
        return std::nullopt;
    const auto media = it->second.media.find(mediaId);
    if (media == it->second.media.end())
        return std::nullopt;
    return media->second;
}

} // namespace kestrine
