#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace kestrine
{

// The open instances of the media library, handed out as small positive ints. Thread-safe.
class InstanceRegistry
{
public:
    static InstanceRegistry& global();

    // A fresh handle (> 0), or 0 when identity is empty.
    int open(const char* identity);
    void configure(int handle, int value);
    // Marks an instance as ended; its handle stays known until release().
    void close(int handle);
    // Forgets a handle; true when it was known.
    bool release(int handle);
    // True while the handle is open and not closed.
    bool isUsable(int handle) const;

    // What else ends with an instance (its preview players). The player half of the library sets
    // it when it makes its first player, so the decoding half needs nothing of it.
    using EndHook = void (*)(int handle);
    void setEndHook(EndHook hook) { m_endHook.store(hook); }
    void runEndHook(int handle) const
    {
        if (const EndHook hook = m_endHook.load())
            hook(handle);
    }

    // Media items of an instance: a file to preview, known by a positive id. -1 for an unusable
    // instance.
    int addMedia(int handle, const std::string& path);
    std::optional<std::string> mediaPath(int handle, int mediaId) const;

private:
    struct Instance
    {
        std::string identity;
        int configuredValue = 0;
        bool closed = false;
        std::map<int, std::string> media;
        int lastMediaId = 0;
    };
    mutable std::mutex m_mutex;
    std::map<int, Instance> m_instances;
    int m_lastHandle = 0;
    std::atomic<EndHook> m_endHook{nullptr};
};

} // namespace kestrine
