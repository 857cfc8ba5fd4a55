#include "AnalyReport.h"

#include "AppGlobals.h"
#include "CMusicLink.h"
#include "MusicObj.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString ProblemText(int absence)
{
    QStringList parts;
    if (absence & 0x10000)
        parts << CAnalyReport::tr("Missing file");
    if (absence & 0x8000000)
        parts << CAnalyReport::tr("No artwork");
    if (absence & 0x400)
        parts << CAnalyReport::tr("No artist");
    if (absence & 0x800)
        parts << CAnalyReport::tr("No album");
    return parts.join(QStringLiteral(", "));
}

} // namespace

CAnalyReport::CAnalyReport(int, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AnalyReport"));
    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("ReportListType"));
    m_pTree->setColumnCount(2);
    m_pTree->setHeaderLabels({tr("Name"), tr("Problems")});
    m_pTree->setRootIsDecorated(false);
    m_pTree->setUniformRowHeights(true);
    m_pTree->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTree);
}

CAnalyReport::~CAnalyReport() = default;

void CAnalyReport::SetMusicLink(CMusicLink* link)
{
    m_pMusicLink = link;
    if (link)
        connect(link, &CMusicLink::SendPlayOver, this, &CAnalyReport::PlayOver, Qt::UniqueConnection);
}

void CAnalyReport::SetStopState(int stop) { m_iStop = stop; }
void CAnalyReport::SetCategoryMask(int mask) { m_iMask = mask; }
void CAnalyReport::AddProblemCount(int n) { m_iProblemCount += n; }

void CAnalyReport::AddProblemTrack(CMusicObj* track, int absence, int, int64_t, int, int)
{
    if (m_iStop || !track || !(absence & m_iMask))
        return;
    m_tracks.push_back(track);
    QString name;
    if (m_pMusicLink) {
        MusicInfo* info = nullptr;
        if (m_pMusicLink->GetMusicRecord(track, &info, 1) == 0 && info)
            name = info->Name;
    }
    auto* item = new QTreeWidgetItem(m_pTree, {name, ProblemText(absence & m_iMask)});
    item->setData(0, Qt::UserRole, static_cast<int>(m_tracks.size() - 1));
}

void CAnalyReport::ClearPullQueue() {}
void CAnalyReport::ReflashView(bool) {}
int CAnalyReport::UpdateFixSummary() { return 0; }
void CAnalyReport::AcceptFixResult(void*, int, int, int) {}
void CAnalyReport::SetRunState(int) {}
void CAnalyReport::PauseFixView() { SetRecognitionHold(true); }
void CAnalyReport::ResumeFixView() { SetRecognitionHold(false); }
void CAnalyReport::SetPauseState(int type, bool wake)
{
    if (type == 2)
        SetApplyPause(true);
    else if (type == 1 && wake)
        SetApplyPause(false);
}
int CAnalyReport::SetFixMode(int mode)
{
    m_iFixMode = mode;
    return 0;
}
void CAnalyReport::StartPull() {}
void CAnalyReport::StopPlay() {}

void CAnalyReport::StopAllWork()
{
    m_iStop = 1;
    m_pTree->clear();
    m_tracks.clear();
    m_iProblemCount = 0;
    SetRecognitionHold(false);
}

void CAnalyReport::AppleyiTunes() {}
bool CAnalyReport::IsNeedFix() const { return m_iProblemCount > 0; }
bool CAnalyReport::HasUnappliedChanges() const { return false; }
void CAnalyReport::loadLanguage() { m_pTree->setHeaderLabels({tr("Name"), tr("Problems")}); }
void CAnalyReport::SelectArtworkList(QListWidgetItem*) {}
void CAnalyReport::PlayOver() {}
