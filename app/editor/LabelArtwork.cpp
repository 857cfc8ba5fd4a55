#include "LabelArtwork.h"

#include "AppGlobals.h"
#include "StyleTemplates.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CLabelArtwork::CLabelArtwork(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(true);
    setAutoFillBackground(true);

    m_pPlayButton = new QPushButton(this);
    m_pPlayButton->setObjectName(QStringLiteral("PlayMusicBut"));
    m_pPlayButton->setFocusPolicy(Qt::NoFocus);
    SetButtonLook(false);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_pPlayButton, 0, Qt::AlignCenter);
    layout->addStretch();

    connect(m_pPlayButton, &QPushButton::clicked, this, &CLabelArtwork::PlayMusic);
    connect(this, &CLabelArtwork::PlayStateChange, this, &CLabelArtwork::SetPlayState);
}

CLabelArtwork::~CLabelArtwork()
{
    // After the release returns the player can no longer call OnPlayEnd with this label.
    StopPreview(m_hPlayer);
}

void CLabelArtwork::SetButtonLook(bool pause)
{
    m_pPlayButton->setStyleSheet(ImageButtonStyle(
        QStringLiteral("PlayMusicBut"), pause ? QStringLiteral("musicpause") : QStringLiteral("musicplay"),
        ScaledValue(48), ScaledValue(48), QStringLiteral("#000000"), ScaledValue(12)));
    m_pPlayButton->setProperty("pauseLook", pause);
}

void CLabelArtwork::SetMusicPath(const QString& path)
{
    if (path.isEmpty())
        return;
    m_strMusicPath = path;
    SetButtonLook(path == m_strPlayingPath && m_playState == PlayStatePlaying);
}

void CLabelArtwork::SetPlayButtonHidden(bool hidden)
{
    m_pPlayButton->setHidden(hidden);
}

void CLabelArtwork::SetPlayState(int state)
{
    if (state != PlayStateStopped)
        return;
    SetButtonLook(false);
    m_strPlayingPath.clear();
    StopPreview(m_hPlayer);
    m_playState = PlayStateStopped;
}

void CLabelArtwork::PlayMusic()
{
    const bool samePath = !m_strMusicPath.isEmpty() && m_strMusicPath == m_strPlayingPath && m_hPlayer != 0;
    if (samePath && m_playState == PlayStatePlaying)
    {
        SetButtonLook(false);
        PausePreview(m_hPlayer);
        m_playState = PlayStatePaused;
        return;
    }
    if (samePath && m_playState == PlayStatePaused)
    {
        if (ResumePreview(m_hPlayer))
        {
            SetButtonLook(true);
            m_playState = PlayStatePlaying;
        }
        else
        {
            // The player cannot go on (its file broke meanwhile): nothing is playing any more.
            SetPlayState(PlayStateStopped);
        }
        return;
    }

    if (StartPreview(g_hMediaLibrary.load(), m_strMusicPath, m_hPlayer, &CLabelArtwork::OnPlayEnd, this,
                     this))
    {
        SetButtonLook(true);
        m_strPlayingPath = m_strMusicPath;
        m_playState = PlayStatePlaying;
    }
    else if (m_hPlayer == 0 && m_playState != PlayStateStopped)
    {
        // The old player was let go before the new one failed: nothing plays, so the label
        // must not go on claiming it does (a later click would pause a player that is gone).
        SetPlayState(PlayStateStopped);
    }
}

int CLabelArtwork::OnPlayEnd(const int* notice, void* context)
{
    // The player's own thread: post, nothing more. The label outlives every notice because
    // its destructor releases the player first.
    if (IsPreviewEndNotice(notice, context))
    {
        QMetaObject::invokeMethod(static_cast<CLabelArtwork*>(context), "PlayerEnded", Qt::QueuedConnection,
                                  Q_ARG(int, PreviewNoticePlayer(notice)));
    }
    return 0;
}

void CLabelArtwork::PlayerEnded(int player)
{
    // A notice posted by a player released since (replaced by a newer preview) is stale.
    if (player == 0 || player != m_hPlayer)
        return;
    emit PlayStateChange(PlayStateStopped);
}

void CLabelArtwork::dragEnterEvent(QDragEnterEvent* event)
{
    setBackgroundRole(QPalette::Highlight);
    event->acceptProposedAction();
}

void CLabelArtwork::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void CLabelArtwork::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void CLabelArtwork::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    // Only a file on this machine can be read; a remote address is not a picture file.
    if (!urls.isEmpty() && urls.first().isLocalFile())
        emit DropImg(urls.first().toLocalFile(), true);
    setBackgroundRole(QPalette::Dark);
    event->acceptProposedAction();
}
