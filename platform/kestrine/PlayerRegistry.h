#pragma once

#include "PreviewPlayer.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace kestrine
{

// The preview players of the process by int handle. Thread-safe; a player is stopped and joined
// outside the registry's lock, so a notice handler may call back into the registry.
class PlayerRegistry
{
public:
    static PlayerRegistry& global();
    ~PlayerRegistry();

    // Takes the player and returns its handle (> 0).
    int add(int instance, std::shared_ptr<PreviewPlayer> player);
    std::shared_ptr<PreviewPlayer> find(int handle) const;
    // Removes and returns the player (empty when unknown); the caller lets it go outside the lock.
    std::shared_ptr<PreviewPlayer> take(int handle);
    // Removes every player of an instance.
    std::vector<std::shared_ptr<PreviewPlayer>> takeAll(int instance);

private:
    struct Entry
    {
        int instance = 0;
        std::shared_ptr<PreviewPlayer> player;
    };
    mutable std::mutex m_mutex;
    std::map<int, Entry> m_players;
    int m_lastHandle = 0;
};

} // namespace kestrine
