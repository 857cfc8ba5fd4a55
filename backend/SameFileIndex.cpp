#include "SameFileIndex.h"

#include "MusicManage.h"
#include "NativePath.h"

namespace
{

FileIdentity identityOf(const CMusicObj& obj)
{
    return FileIdentity(PathToNative(obj.CurrentInfo().Location).toStdString());
}

} // namespace

CSameFileIndex::CSameFileIndex(const CMusicManage& manager) : m_listSize(manager.MainListSize())
{
    m_byFile.reserve(static_cast<size_t>(m_listSize));
    for (int i = 0; i < m_listSize; ++i)
    {
        const CMusicObj* obj = manager.MusicAt(i);
        if (obj && !obj->CurrentInfo().Location.isEmpty())
            m_byFile[identityOf(*obj)].push_back(obj);
    }
}

std::vector<const CMusicObj*> CSameFileIndex::Sharing(const CMusicObj& obj) const
{
    std::vector<const CMusicObj*> others;
    if (obj.CurrentInfo().Location.isEmpty())
        return others;
    const auto it = m_byFile.find(identityOf(obj));
    if (it == m_byFile.end())
        return others;
    for (const CMusicObj* other : it->second)
        if (other != &obj)
            others.push_back(other);
    return others;
}
