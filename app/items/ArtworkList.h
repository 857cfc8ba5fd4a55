#pragma once

#include "CTransPopupWidget.h"

#include <QImage>
#include <QList>
#include <QStringList>

class CFixWriter;
class CListItem;
class QListWidget;
class QListWidgetItem;

// The pop-up that shows the candidate artworks of one artwork cell and takes the user's pick,
// which the cell shows at once and the writer stores. Created once by the report page and shown
// many times. GUI thread.
class CArtworkList : public CTransPopupWidget
{
    Q_OBJECT

public:
    // The flags are accepted for the caller's sake; the pop-up base chooses its own.
    CArtworkList(CFixWriter* writer, QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~CArtworkList() override;

    // Shows these candidates for the cell, the one at `current` selected; their pictures are read
    // on a worker and appear when ready. Refilling never counts as a choice: only the user's own
    // change of item picks an artwork.
    void SetArtworks(CListItem* cell, int current, const QStringList& paths);
    // Where the pointer at the top edge is drawn, in pixels from the left.
    void SetUserValue(int x) { m_userValue = x; }
    int CurrentRow() const;

signals:
    void SetArtwork(QString path, bool flag);
    void SendHide();

public slots:
    void CurItemChanged(QListWidgetItem* current, QListWidgetItem* previous);

protected:
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The pictures read for the latest filling, in its order (null: none could be read).
    void ShowPictures(const QList<QImage>& pictures);

    QStringList m_paths;
    CListItem* m_pCell = nullptr; // not owned
    QListWidget* m_pList = nullptr;
    QImage m_left, m_middle, m_right, m_pointer;
    int m_userValue = 0;
    CFixWriter* m_pWriter = nullptr; // not owned
    bool m_bRefilling = false;
    quint64 m_uFill = 0; // counts the fillings: pictures read for an earlier one are dropped
};
