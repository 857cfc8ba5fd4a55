#include "PlayerRegistry.h"

#include <climits>

namespace kestrine
{

PlayerRegistry& PlayerRegistry::global()
{
    static PlayerRegistry registry;
    return registry;
}

PlayerRegistry::~PlayerRegistry()
{
    // At process exit: stop whatever still plays so no thread outlives the registry.
    std::map<int, Entry> players;
    {
        std::lock_guard lock(m_mutex);
        players.swap(m_players);
    }
    players.clear();
}

int PlayerRegistry::add(int instance, std::shared_ptr<PreviewPlayer> player)
{
    std::lock_guard lock(m_mutex);
    do
    {
        m_lastHandle = m_lastHandle == INT_MAX ? 1 : m_lastHandle + 1;
    } while (m_players.count(m_lastHandle));
    player->setHandle(m_lastHandle);
    m_players.emplace(m_lastHandle, Entry{instance, std::move(player)});
    return m_lastHandle;
}

std::shared_ptr<PreviewPlayer> PlayerRegistry::find(int handle) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_players.find(handle);
    return it == m_players.end() ? nullptr : it->second.player;
}

std::shared_ptr<PreviewPlayer> PlayerRegistry::take(int handle)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_players.find(handle);
    if (it == m_players.end())
        return nullptr;
    auto player = std::move(it->second.player);
    m_players.erase(it);
    return player;
}

std::vector<std::shared_ptr<PreviewPlayer>> PlayerRegistry::takeAll(int instance)
{
    std::vector<std::shared_ptr<PreviewPlayer>> taken;
    std::lock_guard lock(m_mutex);
    for (auto it = m_players.begin(); it != m_players.end();)
    {
        if (it->second.instance == instance)
        {
            taken.push_back(std::move(it->second.player));
            it = m_players.erase(it);
        }
        else
        {
            ++it;
        }
    }
    return taken;
}

} // namespace kestrine
