#include "DedupeGroupLoader.h"

#include "CMusicLink.h"
#include "Duplicate.h"
#include "MusicFlags.h"
#include "MusicObj.h"

#include <QDebug>

#include <atomic>
#include <memory>

namespace
{

std::atomic<int64_t> g_dedupeMemberCounter{0};

} // namespace

DedupeLoadCounts LoadDedupeGroups(CMusicLink& link, CDuplicate& view)
{
    DedupeLoadCounts counts;
    counts.loaded = link.GetDedupeLoadCount();
    const int groups = link.GetDedupeGroupCount();
    int64_t groupId = kFirstDedupeGroupId;
    for (int g = 0; g < groups; ++g, groupId += kDedupeGroupIdStep)
    {
        int count = 0;
        link.GetDedupeGroupMember(static_cast<unsigned>(g), 0, &count, nullptr);
        for (int m = 0; m < count; ++m)
        {
            LinkDedupeMember member;
            if (link.GetDedupeGroupMember(static_cast<unsigned>(g), m, &count, &member) != 0)
                continue;
            ++counts.members;
            qDebug() << "loaction = " << member.path;
            auto record = std::make_unique<MusicInfo>();
            record->PersistentID = QString::number(++g_dedupeMemberCounter);
            record->Name = member.title;
            record->TotalTime = QString::number(member.duration);
            record->Artist = member.artist;
            record->Size = QString::number(member.fileSize);
            record->Location = member.path;
            record->Bitrate = QString::number(member.bitRate);
            view.AddDedupeGroup(std::move(record), kDedupeMemberKind,
                                m == 0 ? 0 : static_cast<int>(MF_Duplicate), groupId, m == 0 ? 0 : 1);
        }
    }
    link.FreeDedupeResults();
    return counts;
}
