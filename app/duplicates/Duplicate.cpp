#include "Duplicate.h"

#include "AppGlobals.h"
#include "CMusicLink.h"
#include "MusicObj.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

CDuplicate::CDuplicate(int, CMusicLink* link, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Duplicate"));
    m_pTree = new QTreeWidget(this);
    m_pTree->setColumnCount(2);
    m_pTree->setHeaderLabels({tr("Name"), tr("Path")});
    m_pTree->setUniformRowHeights(true);
    m_pTree->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTree);
    SetMusicLink(link);
}

CDuplicate::~CDuplicate() = default;

void CDuplicate::SetMusicLink(CMusicLink* link)
{
    m_pMusicLink = link;
    if (link)
        connect(link, &CMusicLink::SendPlayOver, this, &CDuplicate::PlayOver, Qt::UniqueConnection);
}

void CDuplicate::AddDuplicateTrack(CMusicObj* track, int, int, int64_t repeatId)
{
    if (!track || !m_pMusicLink)
        return;
    MusicInfo* info = nullptr;
    if (m_pMusicLink->GetMusicRecord(track, &info, 1) != 0 || !info)
        return;
    new QTreeWidgetItem(m_pTree, {info->Name, info->Location, QString::number(repeatId)});
}

void CDuplicate::AddDedupeGroup(MusicInfo* info, int, int, int64_t, int)
{
    if (!info)
        return;
    m_records.emplace_back(info);
    new QTreeWidgetItem(m_pTree, {info->Name, info->Location});
}

void CDuplicate::CountRemoved() {}
void CDuplicate::SetPage(int) {}

void CDuplicate::TakeScanPaths(QStringList& paths)
{
    paths = m_pending;
    m_pending.clear();
}

void CDuplicate::StartClearTrash() {}

void CDuplicate::SetPauseState(int type, bool wake)
{
    if (type == 2)
        SetApplyPause(true);
    else if (type == 1 && wake)
        SetApplyPause(false);
}

void CDuplicate::ClearView()
{
    m_pTree->clear();
    m_records.clear();
}

void CDuplicate::RemoveDuplicate() {}
void CDuplicate::loadLanguage() { m_pTree->setHeaderLabels({tr("Name"), tr("Path")}); }
void CDuplicate::PlayOver() {}
int CDuplicate::RowCount() const { return m_pTree->topLevelItemCount(); }
