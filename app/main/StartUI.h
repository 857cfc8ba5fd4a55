#pragma once

#include "MusicFlags.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <functional>

class QPushButton;

// The start action in force, for the readers on other threads (the music link asks it from the
// duplicate engine's worker).
extern std::atomic<EWorkMode> g_nWorkMode;

// The page the main window shows first: four start actions, the preferences and two web links.
// It loads nothing itself; it turns a choice into a start request for the window (Complete), the
// duplicate page (Duplicate) or the preferences (SetPreferences). GUI thread.
class CStartUI : public QWidget
{
    Q_OBJECT

public:
    explicit CStartUI(QWidget* parent = nullptr);
    ~CStartUI() override;

    EWorkMode GetWorkMode() const { return m_iWorkMode; }
    void SetLibraryButtonText(const QString& text);
    QString LibraryButtonText() const;
    void loadLanguage();

    // Answers whether the page is on screen with nothing running, so the interrupted-project
    // question never interrupts a run (the window sets it; without it the page counts as idle).
    void SetIdleTest(std::function<bool()> isIdle) { m_isIdle = std::move(isIdle); }
    // The web pages of the two social buttons for a settings language.
    static QString FacebookUrl(const QString& language);
    static QString TwitterUrl(const QString& language);

signals:
    void Complete(const QStringList& paths, const QString& path, EMusicRunMode mode);
    void SetPreferences();
    void Duplicate();
    // The chosen file is not a project, or could not be copied into place; nothing was sent and
    // the working database is as it was.
    void LoadSaveFailed();

public slots:
    void CheckingIsSave();
    void StartLibraryClean();
    void OpenMusicFiles();
    void LoadSaveResult();
    void Setting();
    void FaceBook();
    void Twitter();
    void SltDuplicate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* MakeButton(const QString& objectName, const QString& image, const QString& colour,
                            const QString& hoverColour, double width, double height, double padding);
    void SetWorkMode(EWorkMode mode);
    void RetranslateTexts();
    // Clears, on a worker, what a killed run left in the places the program writes; its answer
    // comes back to CheckingIsSave.
    void ClearLeftovers();

    EWorkMode m_iWorkMode = EWorkMode::ITunes;
    QPushButton* m_pLibraryButton = nullptr;
    QPushButton* m_pOpenButton = nullptr;
    QPushButton* m_pLoadButton = nullptr;
    QPushButton* m_pDuplicateButton = nullptr;
    QPushButton* m_pSettingButton = nullptr;
    QPushButton* m_pFacebookButton = nullptr;
    QPushButton* m_pTwitterButton = nullptr;
    QString m_strDBPath;
    QString m_strProjectPath;
    std::function<bool()> m_isIdle;
    bool m_bCopying = false;
    // The interrupted-result offer: made once; the working database checked on a worker first.
    static constexpr int kOfferRetryMs = 500;
    bool m_bOffered = false;
    bool m_bCheckingLeft = false;
    bool m_bLeftChecked = false;
    // The start's clearing of a killed run's leftovers, before the offer; the recycle folder that
    // copies remain in after a killed move, until that is said.
    enum class ELeftovers
    {
        NotCleared,
        Clearing,
        Cleared,
    };
    ELeftovers m_eLeftovers = ELeftovers::NotCleared;
    QString m_strCopiesRemainIn;
};
