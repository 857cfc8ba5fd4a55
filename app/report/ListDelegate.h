#pragma once

#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QStyledItemDelegate>

class QListWidget;

// Paints the cells of the artwork grid: the song's picture (or the picture of its state), the
// check mark, the candidates mark with its count and the elided song name. Pictures are decoded
// and fitted on a pool thread and kept by file and size, so scrolling never decodes or even looks
// at a file on the GUI thread; a cell whose picture is still being read shows the waiting picture.
class CListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CListDelegate(QListWidget* list);
    ~CListDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // One geometry for painting and for clicks, scaled once: the check mark and the candidates
    // mark of a cell whose visual rectangle is `cell`.
    static QRect CheckMarkRect(const QRect& cell);
    // The square every picture of a cell is fitted into and centred in; both marks lie inside it.
    static QRect PictureBox(const QRect& cell);
    static QRect CandidatesRect(const QRect& cell);
    // The size a picture is drawn at: its longer side becomes `side`.
    static QSize FittedSize(const QSize& picture, int side);
    // The name as the strip of the given width shows it: whole when it fits, else the shortest
    // prefix of at least 5 characters that reaches the width less the reserve, and "...".
    static QString ElideName(const QString& text, const QFontMetrics& metrics, int width, int reserve);

    // The fitted picture of a file when it is cached already; a null pixmap otherwise (and a
    // decode is started). Empty path: null.
    QPixmap CachedPicture(const QString& path) const;
    // The same road for pictures of other sizes: `side` × `side` exactly when `stretch` (the
    // proportions are given up), else fitted so the longer side is `side`. A picture that is not
    // cached yet comes back through PictureReady.
    QPixmap CachedPicture(const QString& path, int side, bool stretch) const;
    // Drops every cached picture (the page was emptied).
    void ClearCache();
    // Drops the cached sizes of one file (a picture written again under the same name).
    void ForgetPicture(const QString& path);

signals:
    // Emitted on the GUI thread once a decode started by CachedPicture is cached; a file that
    // cannot be read gives the failed-artwork picture at the same size.
    void PictureReady(const QString& path, int side, bool stretch, const QPixmap& picture);

private:
    void StartDecode(const QString& path, const QString& key, int side, bool stretch) const;
    static QString CacheKey(const QString& path, int side, bool stretch);
    static QPixmap FramedCopy(const QPixmap& picture);

    QListWidget* m_pList = nullptr;
    int m_nReserve = 0;
    // Mutable: painting fills them. GUI thread only; decoders post their results back.
    mutable QHash<QString, QPixmap> m_cache;
    mutable QSet<QString> m_pending;
};
