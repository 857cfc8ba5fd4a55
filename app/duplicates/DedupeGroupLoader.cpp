#include "DedupeGroupLoader.h"

#include "Duplicate.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "sonalike.h"

#include <QDebug>

#include <atomic>
#include <memory>

namespace
{

std::atomic<int64_t> g_dedupeMemberCounter{0};

QString FromEngine(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

DedupeLoadCounts LoadDedupeGroups(CDuplicate& view)
{
    DedupeLoadCounts counts;
    counts.loaded = GetLoadCounts();
    const int groups = GetGroupIdCounts();
    int64_t groupId = kFirstDedupeGroupId;
    for (int g = 0; g < groups; ++g, groupId += kDedupeGroupIdStep)
    {
        DedupeTrackInfo* member = nullptr;
        int count = 0;
        GetGroupRef(static_cast<unsigned>(g), &member, &count, 0);
        for (int m = 0; m < count; ++m)
        {
            member = nullptr;
            if (GetGroupRef(static_cast<unsigned>(g), &member, &count, m) != 0 || !member)
                continue;
            ++counts.members;
            qDebug() << "loaction = " << FromEngine(member->path);
            auto record = std::make_unique<MusicInfo>();
            record->PersistentID = QString::number(++g_dedupeMemberCounter);
            record->Name = FromEngine(member->title);
            record->TotalTime = QString::number(member->duration);
            record->Artist = FromEngine(member->artist);
            record->Size = QString::number(member->fileSize);
            record->Location = FromEngine(member->path);
            record->Bitrate = QString::number(member->bitRate);
            view.AddDedupeGroup(std::move(record), kDedupeMemberKind,
                                m == 0 ? 0 : static_cast<int>(MF_Duplicate), groupId, m == 0 ? 0 : 1);
        }
    }
    DedupeDealloc();
    return counts;
}
