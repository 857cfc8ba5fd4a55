#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class CMusicLink;
class CMusicObj;
class QListWidgetItem;
class QTreeWidget;

// The report page: the songs of an analysis by problem category. This first form lists every
// problem song with its problems in one tree; the main window drives it through the members
// below, all on the GUI thread except AppleyiTunes, which runs on the apply thread.
class CAnalyReport : public QWidget
{
    Q_OBJECT

public:
    CAnalyReport(int mediaHandle, QWidget* parent = nullptr);
    ~CAnalyReport() override;

    void SetMusicLink(CMusicLink* link);
    void SetStopState(int stop);
    void SetCategoryMask(int mask);
    void AddProblemCount(int n);
    void AddProblemTrack(CMusicObj* track, int absence, int state, int64_t repeatId, int index, int flag);
    void ClearPullQueue();
    void ReflashView(bool savedProject);
    int UpdateFixSummary();
    void AcceptFixResult(void* track, int absence, int valueB, int infoFixState);
    void SetRunState(int state);
    void PauseFixView();
    void ResumeFixView();
    void SetPauseState(int type, bool wake);
    int SetFixMode(int mode);
    void StartPull();
    void StopPlay();
    void StopAllWork();
    // Apply thread: writes the ticked results through the music link.
    void AppleyiTunes();
    bool IsNeedFix() const;
    bool HasUnappliedChanges() const;
    void loadLanguage();

    int ProblemCount() const { return m_iProblemCount; }
    int CategoryMask() const { return m_iMask; }
    int ListedTracks() const { return static_cast<int>(m_tracks.size()); }

signals:
    void UpdateProcess(int progress);
    void ReportFixInfo(int remaining, int progress);
    void StartFixAll(const QString& text, const QString& text2, int code, int value);
    void EndFialedState(bool state);
    void ReportFixAllComplete();

public slots:
    void SelectArtworkList(QListWidgetItem* cell);
    void PlayOver();

private:
    CMusicLink* m_pMusicLink = nullptr;
    QTreeWidget* m_pTree = nullptr;
    int m_iStop = 0;
    int m_iMask = 0;
    int m_iProblemCount = 0;
    int m_iFixMode = 0;
    std::vector<CMusicObj*> m_tracks;
};
