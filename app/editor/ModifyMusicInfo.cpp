#include "ModifyMusicInfo.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "BackgroundPool.h"
#include "CMusicLink.h"
#include "CWarnMessage.h"
#include "LabelArtwork.h"
#include "LineEdit.h"
#include "MusicObj.h"
#include "NestedWait.h"
#include "ScreenText.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QIntValidator>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOption>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// Small enough that beside both pictures and their labels the fields show a title whole in the
// window at its default size.
constexpr int kArtworkSize = 90;
constexpr int kFoldedHeight = 12;
constexpr int kOpenHeight = 170;
const QColor kChangedColour(238, 21, 21, 255);

const QString kNoArtwork = QStringLiteral(":/res/res/win/label/noartwork.png");
const QString kDragArtwork = QStringLiteral(":/res/res/win/label/drag_artwork_here_en.png");
const QString kFailedArtwork = QStringLiteral(":/res/res/win/label/Failed_load_artwork_en.png");

// The five texts of a record in field order.
std::array<QString, 5> RecordTexts(const MusicInfo& info)
{
    return {info.Name, info.Artist, info.Album, info.Year, info.Genre};
}

// The new texts as Apply will write them: where "Replace" keeps the service's answer back, the
// song's own text stays, and that is what the editor shows.
std::array<QString, 5> NewTexts(CMusicLink* link, CMusicObj* song, const MusicInfo& current)
{
    MusicInfo shown;
    return RecordTexts(link->ShownRecord(song, shown) ? shown : current);
}

bool IsBlank(const QString& text)
{
    return QString(text).remove(QLatin1Char(' ')).isEmpty();
}

// Decodes a picture by its content, straight to the display size (a 20-megapixel photo is never
// decoded whole for a 110-pixel label). A null image when it is not a picture.
QImage ReadScaled(QIODevice* device, int side)
{
    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    reader.setScaledSize(QSize(side, side));
    return reader.read();
}

// Every picture gets a name of its own in the Picture folder: a second choice within the same
// second takes the next free "-n" name. The empty file holds the name until the picture is
// written into it, and no existing file is ever overwritten. Empty when the folder cannot be
// written.
QString ReservePictureName(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    const QString stem = folder + QLatin1Char('/') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
    for (int n = 0; n < 10000; ++n)
    {
        const QString target =
            n == 0 ? stem + QStringLiteral(".jpg") : QStringLiteral("%1-%2.jpg").arg(stem).arg(n);
        QFile reserve(target);
        if (reserve.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return target;
        if (!QFileInfo::exists(target))
            return QString(); // not a name clash: the folder cannot be written
    }
    return QString();
}

bool CopyFileBytes(const QString& source, const QString& target)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    while (!in.atEnd())
    {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
    }
    return out.flush();
}

// What a worker makes of a picture the user chose: the label's picture and, when the choice is
// kept, the file the song takes: a JPEG copy in the Picture folder (copied: made for this choice,
// removed when the choice is dropped), or the picture itself when it already lies there.
struct ChosenPicture
{
    QImage preview;
    QString file;
    bool copied = false;
};

ChosenPicture ReadChosenPicture(const QString& path, int side, bool keep, const QString& folder)
{
    ChosenPicture chosen;
    const QFileInfo info(path);
    // Only a regular file: a FIFO or a device would hold the worker for ever.
    if (!info.isFile() || info.size() <= 0)
        return chosen;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return chosen;
    // Read by content, so a picture with a wrong extension still loads and a text file named
    // ".png" does not.
    QImageReader probe(&file);
    probe.setDecideFormatFromContent(true);
    const QByteArray format = probe.format();
    file.seek(0);
    chosen.preview = ReadScaled(&file, side);
    file.close();
    if (chosen.preview.isNull() || !keep)
        return chosen;

    const QString source = info.absoluteFilePath();
    const QString pictures = QDir::cleanPath(folder);
    if (!pictures.isEmpty() && QDir::cleanPath(source).startsWith(pictures + QLatin1Char('/')))
    {
        chosen.file = source;
        return chosen;
    }
    const QString target = ReservePictureName(folder);
    if (target.isEmpty())
        return chosen;
    bool ok = false;
    if (format == "jpeg")
    {
        // Already a JPEG: its own bytes are the best copy and cost no decoding.
        ok = CopyFileBytes(source, target);
    }
    else
    {
        QImageReader reader(source);
        reader.setDecideFormatFromContent(true);
        const QImage full = reader.read();
        QFile out(target);
        ok = !full.isNull() && out.open(QIODevice::WriteOnly | QIODevice::Truncate) && full.save(&out, "JPG");
    }
    if (!ok)
    {
        QFile::remove(target);
        return chosen;
    }
    chosen.file = target;
    chosen.copied = true;
    return chosen;
}

} // namespace

CModifyMusicInfo::CModifyMusicInfo(QWidget* parent)
    : QWidget(parent), m_pReadPool(std::make_unique<QThreadPool>())
{
    m_pReadPool->setMaxThreadCount(1);
    m_pFoldButton = new QPushButton(this);
    m_pFoldButton->setObjectName(QStringLiteral("InfoHideBut"));
    m_pFoldButton->setFocusPolicy(Qt::NoFocus);
    connect(m_pFoldButton, &QPushButton::clicked, this, &CModifyMusicInfo::EditHide);

    m_pContent = new QWidget(this);
    m_pContent->setObjectName(QStringLiteral("ModifyContent"));

    const QString titleStyle = QStringLiteral("QLabel{font: bold %1px;}").arg(ScaledInt(16));
    m_pOldTitle = new QLabel(m_pContent);
    m_pOldTitle->setStyleSheet(titleStyle);
    m_pNewTitle = new QLabel(m_pContent);
    m_pNewTitle->setStyleSheet(titleStyle);

    static const char* const kFieldNames[FieldCount] = {"Name", "Artist", "Album", "Year", "Genre"};
    for (int i = 0; i < FieldCount; ++i)
    {
        m_oldLabels[i] = new QLabel(m_pContent);
        m_newLabels[i] = new QLabel(m_pContent);
        m_oldFields[i] = new CLineEdit(m_pContent);
        m_oldFields[i]->setObjectName(QStringLiteral("Old") + QLatin1String(kFieldNames[i]));
        m_oldFields[i]->setEnabled(false);
        m_newFields[i] = new CLineEdit(m_pContent);
        m_newFields[i]->setObjectName(QStringLiteral("New") + QLatin1String(kFieldNames[i]));
        // The red mark follows the typing, not only the next load. Queued: textEdited comes
        // before the field has taken the typed text as its full text.
        connect(
            m_newFields[i], &QLineEdit::textEdited, this, [this] { SetChangeMarks(); }, Qt::QueuedConnection);
    }
    m_newFields[FieldYear]->setValidator(new QIntValidator(0, 9999, m_newFields[FieldYear]));

    const int artworkSide = ScaledInt(kArtworkSize);
    m_pOldArtwork = new QLabel(m_pContent);
    m_pOldArtwork->setObjectName(QStringLiteral("OldArtwork"));
    m_pOldArtwork->setMinimumSize(artworkSide, artworkSide);
    m_pOldArtwork->setMaximumSize(artworkSide, artworkSide);
    m_pNewArtwork = new CLabelArtwork(m_pContent);
    m_pNewArtwork->setObjectName(QStringLiteral("NewArtwork"));
    m_pNewArtwork->setMinimumSize(artworkSide, artworkSide);
    m_pNewArtwork->setMaximumSize(artworkSide, artworkSide);
    m_pNewArtwork->setFocusPolicy(Qt::WheelFocus);
    m_pNewArtwork->SetPlayButtonHidden(true);
    m_pNewArtwork->installEventFilter(this);
    connect(m_pNewArtwork, &CLabelArtwork::DropImg, this, &CModifyMusicInfo::OpenFileImg);

    auto makeGrid = [](QLabel* title, QLabel* artwork, const std::array<QLabel*, FieldCount>& labels,
                       const std::array<CLineEdit*, FieldCount>& fields)
    {
        auto* grid = new QGridLayout;
        // The heading spans the row: the picture's column is no wider than the picture.
        grid->addWidget(title, 0, 0, 1, 4, Qt::AlignLeft);
        grid->addWidget(artwork, 1, 0, FieldCount, 1, Qt::AlignCenter);
        for (int i = 0; i < FieldCount; ++i)
        {
            grid->addWidget(labels[i], i + 1, 1, 1, 1, Qt::AlignCenter);
            grid->addWidget(fields[i], i + 1, 2, 1, 2);
        }
        // The fields take what the artwork and the labels leave: a wider editor shows more of
        // each title.
        grid->setColumnStretch(2, 1);
        return grid;
    };

    auto* line = new QFrame(m_pContent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* contentLayout = new QHBoxLayout(m_pContent);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addSpacing(ScaledInt(10));
    contentLayout->addLayout(makeGrid(m_pOldTitle, m_pOldArtwork, m_oldLabels, m_oldFields));
    contentLayout->addWidget(line);
    contentLayout->addLayout(makeGrid(m_pNewTitle, m_pNewArtwork, m_newLabels, m_newFields));
    contentLayout->addSpacing(ScaledInt(10));

    // Folded, the editor is only as tall as its fold button: no margins or spacing around it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pFoldButton, 0, Qt::AlignCenter);
    layout->addWidget(m_pContent);
    layout->addStretch();

    m_pContent->hide();
    SetFoldLook(true);
    loadLanguage();
}

CModifyMusicInfo::~CModifyMusicInfo()
{
    WaitArtworkReads();
    // The label releases its player itself; stopping here as well keeps the order plain: no
    // preview outlives the editor's fields.
    m_pNewArtwork->SetPlayState(PlayStateStopped);
}

void CModifyMusicInfo::SetMusicLink(CMusicLink* link)
{
    m_pMusicLink = link;
}

void CModifyMusicInfo::loadLanguage()
{
    m_pOldTitle->setText(tr("Orginal Tag"));
    m_pNewTitle->setText(tr("New Tag"));
    const std::array<QString, FieldCount> texts = {tr("Name:"), tr("Artist:"), tr("Album:"), tr("Year:"),
                                                   tr("Genre:")};
    for (int i = 0; i < FieldCount; ++i)
    {
        m_oldLabels[i]->setText(texts[i]);
        m_newLabels[i]->setText(texts[i]);
    }
}

void CModifyMusicInfo::SetEmptyTexts(const QString& artist, const QString& album)
{
    for (const auto& fields : {m_oldFields, m_newFields})
    {
        fields[FieldArtist]->setPlaceholderText(artist);
        fields[FieldAlbum]->setPlaceholderText(album);
    }
}

bool CModifyMusicInfo::IsContentHidden() const
{
    return m_pContent->isHidden();
}

void CModifyMusicInfo::SetFoldLook(bool folded)
{
    m_pFoldButton->setStyleSheet(ImageButtonStyle(
        QStringLiteral("InfoHideBut"), folded ? QStringLiteral("infoshow") : QStringLiteral("infohide"),
        ScaledValue(52), ScaledValue(12), QStringLiteral("#000000"), ScaledValue(12)));
    // Open, it is as tall as its rows need, so the last field never runs under the window's
    // status bar, and no shorter than its designed height.
    const int open =
        std::max(ScaledInt(kOpenHeight), ScaledInt(kFoldedHeight) + m_pContent->sizeHint().height());
    setFixedHeight(folded ? ScaledInt(kFoldedHeight) : open);
}

void CModifyMusicInfo::ShowTrack(int kind, void* track)
{
    const quint64 shown = ++m_uShown;
    if (IsContentHidden())
    {
        m_pTrack = track;
        m_iKind = kind;
        return;
    }
    if (m_pTrack)
        SaveEdits();
    // The saved song left its list and the editor has followed the highlight already.
    if (m_uShown != shown)
        return;
    if (track)
    {
        ClearArtworkFile();
        m_pTrack = track;
        m_iKind = 0;
        LoadTrack(kind, track);
    }
}

void CModifyMusicInfo::LoadTrack(int kind, void* track)
{
    if (!m_pMusicLink || !track)
    {
        HideModify();
        return;
    }
    auto* song = static_cast<CMusicObj*>(track);
    MusicInfo* old = nullptr;
    MusicInfo* current = nullptr;
    if (m_pMusicLink->GetMusicRecord(song, &old, 2) != 0)
        old = nullptr;
    if (m_pMusicLink->GetMusicRecord(song, &current, 1) != 0)
        current = nullptr;

    if (old)
    {
        const auto texts = RecordTexts(*old);
        for (int i = 0; i < FieldCount; ++i)
        {
            m_oldFields[i]->SetFullText(texts[i]);
            m_oldFields[i]->setToolTip(ScreenText(texts[i]));
        }
    }
    if (!current)
    {
        HideModify();
        return;
    }
    const auto texts = NewTexts(m_pMusicLink, song, *current);
    m_shownTexts = texts;
    for (int i = 0; i < FieldCount; ++i)
        m_newFields[i]->SetFullText(texts[i]);
    SetChangeMarks();
    m_pNewArtwork->SetMusicPath(current->Location);

    // The library may take the picture out of the audio file: a worker reads and decodes it.
    const quint64 read = ++m_uArtworkRead;
    m_bPictureOpened = false;
    m_pOldArtwork->setPixmap(QPixmap());
    m_pNewArtwork->setPixmap(QPixmap());
    CMusicLink* link = m_pMusicLink;
    const int side = ScaledInt(kArtworkSize);
    m_pReadPool->start(
        [this, link, song, read, side, kind]
        {
            QByteArray bytes = link->GetArtworkData(song);
            const bool hadBytes = !bytes.isEmpty();
            QImage picture;
            if (hadBytes)
            {
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::ReadOnly);
                picture = ReadScaled(&buffer, side);
            }
            QMetaObject::invokeMethod(
                this,
                [this, read, picture, hadBytes, kind]
                {
                    if (read == m_uArtworkRead)
                        ShowArtwork(picture, hadBytes, kind);
                },
                Qt::QueuedConnection);
        });
}

void CModifyMusicInfo::WaitArtworkReads()
{
    m_pReadPool->clear();
    m_pReadPool->waitForDone();
}

QPixmap CModifyMusicInfo::LabelPicture(const QString& resource) const
{
    return ScaledPixmap(resource, kArtworkSize, kArtworkSize);
}

void CModifyMusicInfo::ShowArtwork(const QImage& picture, bool hadBytes, int kind)
{
    const bool hadNoArtwork = (kind & EditArtwork) != 0;
    // A picture opened while this one was read keeps the new label.
    auto showNew = [this](const QPixmap& pixmap)
    {
        if (!m_bPictureOpened)
            m_pNewArtwork->setPixmap(pixmap);
    };
    if (!picture.isNull())
    {
        const QPixmap pixmap = QPixmap::fromImage(picture);
        showNew(pixmap);
        m_pOldArtwork->setPixmap(hadNoArtwork ? LabelPicture(kNoArtwork) : pixmap);
    }
    else if (!hadBytes && hadNoArtwork)
    {
        m_pOldArtwork->setPixmap(LabelPicture(kNoArtwork));
        showNew(LabelPicture(kDragArtwork));
    }
    else
    {
        m_pOldArtwork->setPixmap(LabelPicture(kFailedArtwork));
        showNew(LabelPicture(kFailedArtwork));
    }
}

void CModifyMusicInfo::SetChangeMarks()
{
    QPalette changed = palette();
    changed.setColor(QPalette::Text, kChangedColour);
    for (int i = 0; i < FieldCount; ++i)
    {
        const bool differs = m_newFields[i]->GetFullText() != m_oldFields[i]->GetFullText();
        m_newFields[i]->setPalette(differs ? changed : palette());
        // The application's style sheet gives fields a text colour, which a palette cannot
        // override; the field's own sheet can. Restyled only when the mark changes.
        if (m_newFields[i]->property("changed").toBool() != differs)
        {
            m_newFields[i]->setStyleSheet(differs ? QStringLiteral("QLineEdit{color: rgb(238, 21, 21);}")
                                                  : QString());
            m_newFields[i]->setProperty("changed", differs);
        }
    }
}

void CModifyMusicInfo::SaveEdits()
{
    if (!m_pMusicLink || !m_pTrack)
        return;
    auto* song = static_cast<CMusicObj*>(m_pTrack);
    MusicInfo* current = nullptr;
    if (m_pMusicLink->GetMusicRecord(song, &current, 1) != 0 || !current)
        return;

    std::array<QString, FieldCount> typed;
    for (int i = 0; i < FieldCount; ++i)
        typed[i] = m_newFields[i]->GetFullText();

    if (IsBlank(typed[FieldName]))
    {
        CWarnMessage::ShowMessage(this, QString(), tr("Please, music title cannot be empty."), 0, QString(),
                                  QString(), QString(), 0);
        MusicInfo* again = nullptr;
        if (m_pMusicLink->GetMusicRecord(song, &again, 1) == 0 && again)
        {
            m_newFields[FieldName]->SetFullText(again->Name);
            m_newFields[FieldArtist]->SetFullText(again->Artist);
            m_newFields[FieldAlbum]->SetFullText(again->Album);
            SetChangeMarks();
        }
        m_newFields[FieldName]->selectAll();
        m_newFields[FieldName]->setFocus();
        return;
    }

    // Compared with what the editor showed: an answer kept back, shown as the song's own text,
    // is not taken for the user's edit.
    const auto stored = NewTexts(m_pMusicLink, song, *current);
    static constexpr int kBits[FieldCount] = {EditName, EditArtist, EditAlbum, EditYear, EditGenre};
    int mask = 0;
    bool notify = false;
    QStringList values;
    for (int i = 0; i < FieldCount; ++i)
    {
        // Name may be anything but blank (refused above); an emptied other field keeps its value.
        if (i != FieldName && IsBlank(typed[i]))
            continue;
        if (typed[i] == stored[i] || typed[i] == m_shownTexts[i])
            continue;
        mask |= kBits[i];
        values << typed[i];
        if (i == FieldName || i == FieldArtist || i == FieldAlbum)
            notify = true;
    }
    if (!m_strArtworkFile.isEmpty() && QFileInfo::exists(m_strArtworkFile))
    {
        mask |= EditArtwork;
        values << m_strArtworkFile;
        notify = true;
    }
    else if (m_pending.request != 0 && m_pending.track == m_pTrack)
    {
        // The chosen picture is still being written: it is saved for this song when it is ready.
        m_deferred[m_pending.request] = m_pTrack;
    }

    void* track = m_pTrack;
    ClearArtworkFile();
    m_pTrack = nullptr;
    m_iKind = 0;
    // What the user typed is written on Apply whatever the "Replace" setting says.
    if (mask != 0 && SaveFields(track, mask | kEditByHand, values) && notify)
        emit SendEditItem(track);
}

bool CModifyMusicInfo::CommitEdits()
{
    WaitChosenPictures();
    if (!m_pTrack || !m_pMusicLink || IsContentHidden())
        return true;
    void* track = m_pTrack;
    const int kind = m_iKind;
    const quint64 shown = m_uShown;
    MusicInfo* current = nullptr;
    const bool refused = m_pMusicLink->GetMusicRecord(static_cast<CMusicObj*>(track), &current, 1) == 0 &&
                         current && IsBlank(m_newFields[FieldName]->GetFullText());
    SaveEdits();
    if (refused)
        return false;
    // Saved: the song stays shown, unless it left its list and the editor followed the highlight.
    if (m_uShown == shown)
    {
        m_pTrack = track;
        m_iKind = kind;
    }
    return true;
}

void CModifyMusicInfo::WaitChosenPictures()
{
    // The worker's answer comes back queued. The user's clicks and keys wait meanwhile: the
    // editor must not change songs under this save, nor may a close tear it down.
    const CNestedWait waiting;
    while (m_pending.request != 0 || !m_deferred.empty())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

void CModifyMusicInfo::SetEditorHidden(bool hide)
{
    if (hide)
    {
        if (m_pTrack && !IsContentHidden())
            SaveEdits();
        m_pNewArtwork->SetPlayState(PlayStateStopped);
        ClearArtworkFile();
        m_pTrack = nullptr;
        m_iKind = 0;
        ++m_uShown;
    }
    setHidden(hide);
}

void CModifyMusicInfo::HideModify()
{
    m_pNewArtwork->SetPlayState(PlayStateStopped);
    ClearArtworkFile();
    m_iKind = 0;
    m_pTrack = nullptr;
    ++m_uShown;
    ++m_uArtworkRead; // a picture still being read is for no song now
}

void CModifyMusicInfo::EditHide()
{
    if (IsContentHidden())
    {
        SetFoldLook(false);
        m_pContent->show();
        if (m_pTrack)
            LoadTrack(m_iKind, m_pTrack);
        ClearArtworkFile();
        return;
    }
    SetFoldLook(true);
    m_pContent->hide();
    if (m_pTrack)
    {
        // Saving forgets the song; keep it remembered, so that opening again shows it afresh
        // and later edits are saved too, instead of going nowhere. A song that left its list
        // with this save gives way to the one the editor was moved on to.
        void* track = m_pTrack;
        const int kind = m_iKind;
        const quint64 shown = m_uShown;
        SaveEdits();
        if (m_uShown == shown)
        {
            m_pTrack = track;
            m_iKind = kind;
        }
    }
    ClearArtworkFile();
}

void CModifyMusicInfo::OpenFileImg(const QString& path, bool keep)
{
    if (IsContentHidden())
        return;
    ClearArtworkFile();
    if (path.isEmpty())
        return;

    // Reading, decoding and copying a large picture takes the better part of a second, which the
    // GUI thread must not spend: a worker does it all and the result comes back queued. Until
    // then the choice is pending (see PictureOpened and SaveEdits).
    const int request = ++m_iPictureRequest;
    m_pending = PendingPicture{request, m_pTrack};
    const int side = ScaledInt(kArtworkSize);
    const QString folder = GetAppSettings()->GetPictureFolder();
    QPointer<CModifyMusicInfo> self(this);
    BackgroundPool()->start(
        [self, request, path, keep, side, folder]
        {
            const ChosenPicture chosen = ReadChosenPicture(path, side, keep, folder);
            // The application object outlives the pool's work; the editor may not.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, request, keep, chosen]
                {
                    if (self)
                        self->PictureOpened(request, keep, chosen.preview, chosen.file, chosen.copied);
                    else if (chosen.copied)
                        QFile::remove(chosen.file);
                },
                Qt::QueuedConnection);
        });
}

void CModifyMusicInfo::PictureOpened(int request, bool keep, const QImage& preview, const QString& file,
                                     bool copied)
{
    if (const auto deferred = m_deferred.find(request); deferred != m_deferred.end())
    {
        // The song's other edits were saved while the picture was on its way: save it now.
        void* track = deferred->second;
        m_deferred.erase(deferred);
        if (!keep || preview.isNull())
            return;
        if (file.isEmpty())
        {
            WriteUILog(
                QStringLiteral("CModifyMusicInfo: the picture could not be copied into the Picture folder"));
            return;
        }
        if (SaveFields(track, EditArtwork, QStringList{file}))
            emit SendEditItem(track);
        return;
    }
    if (m_pending.request != request)
    {
        // Replaced by a later choice, or dropped with its song.
        if (copied)
            QFile::remove(file);
        return;
    }
    m_pending = PendingPicture{};
    if (preview.isNull())
    {
        if (keep)
        {
            CWarnMessage::ShowMessage(this, QString(),
                                      tr("Sorry, the file you dragged-in is not a valid\nimage file."), 0,
                                      QString(), QString(), QString(), 0);
        }
        return;
    }
    m_pNewArtwork->setPixmap(QPixmap::fromImage(preview));
    m_bPictureOpened = true;
    if (keep)
        m_strArtworkFile = file;
}

void CModifyMusicInfo::ClearArtworkFile()
{
    m_strArtworkFile.clear();
    m_pending = PendingPicture{};
}

bool CModifyMusicInfo::SaveFields(void* track, int mask, const QStringList& values)
{
    const int result =
        m_pMusicLink ? m_pMusicLink->ModifyMusicInfo(static_cast<CMusicObj*>(track), mask, values) : -1;
    if (result == 0)
    {
        emit EditSaved(track);
        return true;
    }
    // The user must not be left believing the edit is kept.
    WriteUILog(QStringLiteral("CModifyMusicInfo::SaveEdits: ModifyMusicInfo failed, mask 0x%1, result %2")
                   .arg(mask, 0, 16)
                   .arg(result));
    CWarnMessage::ShowMessage(this, QString(), tr("Sorry, the changes to this song could not be saved."), 0,
                              QString(), QString(), QString(), 0);
    return false;
}

bool CModifyMusicInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pNewArtwork)
    {
        if (event->type() == QEvent::Enter)
            m_pNewArtwork->SetPlayButtonHidden(false);
        else if (event->type() == QEvent::Leave)
            m_pNewArtwork->SetPlayButtonHidden(true);
    }
    return QWidget::eventFilter(watched, event);
}

void CModifyMusicInfo::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CModifyMusicInfo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QString sheet =
        QStringLiteral("QWidget#ModifyMusicinfo QLineEdit{\tborder: 0px;background-color:#e4e9f0;}"
                       "\tQWidget#ModifyMusicinfo QLineEdit:hover{\tborder: 1px solid #4e8ec1;"
                       "\tborder-radius: 2px;background-color:#ffffff;}");
    // Setting a style sheet restyles every field: it is set once.
    if (sheet != styleSheet())
        setStyleSheet(sheet);
    SetChangeMarks();
}
