#pragma once

#include "PreviewPlayback.h"

#include <QLabel>
#include <QString>

class QPushButton;

// The tag editor's new-artwork picture: carries the play/pause button of the song's preview and
// accepts a dropped image file (reported through DropImg, the label itself changes nothing).
//
// Threading: GUI thread. The player's end notice arrives on the media library's thread and is
// only posted back here; a notice of a player this label no longer holds is ignored. The
// destructor releases a playing preview first, so no notice can reach a freed label.
class CLabelArtwork : public QLabel
{
    Q_OBJECT

public:
    explicit CLabelArtwork(QWidget* parent = nullptr);
    ~CLabelArtwork() override;
    CLabelArtwork(const CLabelArtwork&) = delete;
    CLabelArtwork& operator=(const CLabelArtwork&) = delete;

    // The song the button plays; an empty path changes nothing. A song already playing keeps
    // playing when another path is set: the button then offers to play the new one.
    void SetMusicPath(const QString& path);
    void SetPlayButtonHidden(bool hidden);

    TPlayState PlayState() const { return m_playState; }
    QString MusicPath() const { return m_strMusicPath; }
    QString PlayingPath() const { return m_strPlayingPath; }
    // The player handle held now (0 for none).
    int Player() const { return m_hPlayer; }

signals:
    // A file dropped on the label: its local path and true (keep it as the song's picture).
    void DropImg(QString path, bool keep);
    void PlayStateChange(int state);

public slots:
    // Only 2 (stopped) is acted on: the preview is stopped and released.
    void SetPlayState(int state);
    // Play, pause, resume: the button's click.
    void PlayMusic();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    // The end notice of `player`, delivered on the GUI thread.
    void PlayerEnded(int player);

private:
    static int OnPlayEnd(const int* notice, void* context);
    void SetButtonLook(bool pause);

    int m_hPlayer = 0;
    QPushButton* m_pPlayButton = nullptr;
    QString m_strMusicPath;
    QString m_strPlayingPath;
    TPlayState m_playState = PlayStateStopped;
};
