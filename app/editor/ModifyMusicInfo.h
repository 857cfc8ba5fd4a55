#pragma once

#include "MusicFlags.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <map>
#include <memory>

class CLabelArtwork;
class CLineEdit;
class CMusicLink;
class QImage;
class QLabel;
class QPushButton;
class QThreadPool;

// The fold-out tag editor under the report page's song lists: a song's old tags beside its new
// ones (Name, Artist, Album, Year, Genre) and its artwork, which the user can edit, drop a new
// picture on, and preview. Changed fields are shown in red. Edits are saved through the music
// link when the editor folds, when another song is shown, and when the report page hides it.
//
// The report page owns it (Qt parent) and gives it the link; track handles stay the manager's.
// GUI thread only. The object name "ModifyMusicinfo" is set by the owner; the style sheets
// select on it.
class CModifyMusicInfo : public QWidget
{
    Q_OBJECT

public:
    // The edit mask bits handed to CMusicLink::ModifyMusicInfo, values in this order.
    enum TrackEditMask : int
    {
        EditName = MF_Name,
        EditArtist = MF_Artist,
        EditAlbum = MF_Album,
        EditYear = MF_Year,
        EditGenre = MF_Genre,
        EditArtwork = MF_Artwork // also the problem-kind bit "the song had no artwork"
    };

    explicit CModifyMusicInfo(QWidget* parent = nullptr);
    ~CModifyMusicInfo() override;
    CModifyMusicInfo(const CModifyMusicInfo&) = delete;
    CModifyMusicInfo& operator=(const CModifyMusicInfo&) = delete;

    void SetMusicLink(CMusicLink* link);
    // Shows a song (a CMusicObj handle) with its problem kind. Folded: only remembered until the
    // editor opens. Open: the shown song's edits are saved first.
    void ShowTrack(int kind, void* track);
    // Fills both columns from the link's records of track; the pictures follow from a worker.
    void LoadTrack(int kind, void* track);
    // Drops the picture reads not begun and waits for the one under way: before the tracks go.
    void WaitArtworkReads();
    // Saves the remembered song's edits through the link (see the source for the rules).
    void SaveEdits();
    // Hiding saves the shown song's edits and stops the preview; then the whole editor is
    // hidden or shown.
    void SetEditorHidden(bool hide);
    // Whether the editor is folded (its content hidden).
    bool IsContentHidden() const;
    // Saves what the editor holds for its song now, a chosen picture still being read included
    // (waited for, user input held back meanwhile), and keeps showing the song: before the
    // window closes or goes Home. False when the save was refused (a blank title; the user has
    // been told).
    bool CommitEdits();
    void loadLanguage();
    // How the song lists show an empty Artist and Album: the fields show the same, greyed, and
    // never take it as their value.
    void SetEmptyTexts(const QString& artist, const QString& album);

    // The song shown or remembered (null for none) and the picture file chosen for it.
    void* Track() const { return m_pTrack; }
    QString ArtworkFile() const { return m_strArtworkFile; }
    CLabelArtwork* NewArtworkLabel() const { return m_pNewArtwork; }

public slots:
    // Stops the preview and forgets the song and its chosen picture, without saving.
    void HideModify();
    // Folds or unfolds.
    void EditHide();
    // Takes a picture file as the song's new artwork; keep: it is the user's choice to save
    // (a drop), otherwise it is only shown. A kept picture from outside the Picture folder is
    // copied there as a JPEG under a name of its own. The picture is read, decoded and copied on
    // a worker thread: the label and ArtworkFile() follow when it is ready (a save in between
    // takes it along as soon as it is).
    void OpenFileImg(const QString& path, bool keep);

signals:
    // The song whose Name, Artist, Album or artwork was saved.
    void SendEditItem(void* track);
    // Every save that reached the library, whatever its fields: the song has changes to apply.
    void EditSaved(void* track);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Field
    {
        FieldName,
        FieldArtist,
        FieldAlbum,
        FieldYear,
        FieldGenre,
        FieldCount
    };

    void SetFoldLook(bool folded);
    void SetChangeMarks();
    // The shown song's stored picture (decoded to the label size, null when there is none) and
    // whether the library had any bytes for it.
    void ShowArtwork(const QImage& picture, bool hadBytes, int kind);
    // The worker's answer for a chosen picture: its label picture (null: not a picture) and,
    // when kept, the file the song takes (empty when none could be made; copied: a copy made for
    // this choice).
    void PictureOpened(int request, bool keep, const QImage& preview, const QString& file, bool copied);
    void ClearArtworkFile();
    // Until every chosen picture on its way has arrived (and a deferred one is saved).
    void WaitChosenPictures();
    // ModifyMusicInfo through the link; a failure is logged and told to the user.
    bool SaveFields(void* track, int mask, const QStringList& values);
    QPixmap LabelPicture(const QString& resource) const;

    CMusicLink* m_pMusicLink = nullptr;
    QPushButton* m_pFoldButton = nullptr;
    QWidget* m_pContent = nullptr;
    QLabel* m_pOldTitle = nullptr;
    QLabel* m_pNewTitle = nullptr;
    std::array<QLabel*, FieldCount> m_oldLabels{};
    std::array<CLineEdit*, FieldCount> m_oldFields{};
    std::array<QLabel*, FieldCount> m_newLabels{};
    std::array<CLineEdit*, FieldCount> m_newFields{};
    // The new texts as loaded: a field left as shown is no edit, even if the song's record (or
    // the "Replace" setting) changed meanwhile.
    std::array<QString, FieldCount> m_shownTexts{};
    void* m_pTrack = nullptr;
    int m_iKind = 0;
    // Counts the songs given to the editor and its letting go of them: a save whose song leaves
    // its list may take the editor on to the song highlighted next, which the code around the
    // save must then keep.
    quint64 m_uShown = 0;
    QLabel* m_pOldArtwork = nullptr;
    CLabelArtwork* m_pNewArtwork = nullptr;
    QString m_strArtworkFile;

    // A chosen picture being read (and copied) on a worker for the shown song (request 0: none).
    struct PendingPicture
    {
        int request = 0;
        void* track = nullptr;
    };
    int m_iPictureRequest = 0;
    PendingPicture m_pending;
    // Conversions whose song was saved meanwhile: request -> song, saved when they finish.
    std::map<int, void*> m_deferred;

    // The shown song's picture is read from the library (maybe from its audio file) on a worker;
    // a read for a song no longer shown is dropped. The pool is waited for before the tracks go.
    std::unique_ptr<QThreadPool> m_pReadPool;
    quint64 m_uArtworkRead = 0;
    // A picture was opened after the read began: it keeps the new label.
    bool m_bPictureOpened = false;
};
