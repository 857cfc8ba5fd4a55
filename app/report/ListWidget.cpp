#include "ListWidget.h"

#include "FailedTreeWidget.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QDebug>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QScrollBar>

namespace
{
// Reset when the handler returns, also on an early return.
class PressGuard
{
public:
    explicit PressGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~PressGuard() { m_flag = false; }
    PressGuard(const PressGuard&) = delete;
    PressGuard& operator=(const PressGuard&) = delete;

private:
    bool& m_flag;
};
} // namespace

CListWidget::CListWidget(QWidget* parent) : QListWidget(parent), m_menu(this)
{
    connect(m_menu.checkAll, &QAction::triggered, this, &CListWidget::AllItem);
    connect(m_menu.uncheckAll, &QAction::triggered, this, &CListWidget::UnAllItem);
    connect(m_menu.checkSelected, &QAction::triggered, this, &CListWidget::SelectItem);
    connect(m_menu.uncheckSelected, &QAction::triggered, this, &CListWidget::UnSelectItem);
    connect(m_menu.showInFolder, &QAction::triggered, this, &CListWidget::ShowInFinder);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CListWidget::PushFlash);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CListWidget::PushFlash);
}

CListWidget::~CListWidget() = default;

void CListWidget::RetranslateMenu()
{
    m_menu.Retranslate();
    PushFlash();
}

void CListWidget::PlaceBusyLabel(QListWidgetItem* cell, QLabel* label) const
{
    const QPoint centre = visualItemRect(cell).center();
    const int offset = ScaledInt(16);
    label->move(centre.x() - offset, centre.y() - offset);
}

void CListWidget::SetRowBusy(QListWidgetItem* cell, bool on)
{
    if (!cell)
        return;
    if (!on)
    {
        ForgetCell(cell);
        return;
    }
    QLabel* label = m_busyLabels.value(cell);
    if (!label)
    {
        label = new QLabel(viewport());
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (g_movieArtworkRun)
        {
            label->setMovie(g_movieArtworkRun.get());
            if (g_movieArtworkRun->state() != QMovie::Running)
                g_movieArtworkRun->start();
        }
        label->setFixedSize(ScaledInt(32), ScaledInt(32));
        m_busyLabels.insert(cell, label);
    }
    PlaceBusyLabel(cell, label);
    label->show();
}

void CListWidget::ForgetCell(QListWidgetItem* cell)
{
    if (QLabel* label = m_busyLabels.take(cell))
        delete label;
}

void CListWidget::ClearBusyLabels()
{
    qDeleteAll(m_busyLabels);
    m_busyLabels.clear();
}

void CListWidget::SetBusyAnimationRunning(bool running)
{
    if (!g_movieArtworkRun)
        return;
    if (running)
    {
        if (g_movieArtworkRun->state() == QMovie::Paused)
            g_movieArtworkRun->setPaused(false);
        else if (g_movieArtworkRun->state() == QMovie::NotRunning)
            g_movieArtworkRun->start();
    }
    else if (g_movieArtworkRun->state() == QMovie::Running)
    {
        g_movieArtworkRun->setPaused(true);
    }
}

void CListWidget::PushFlash(int)
{
    for (auto it = m_busyLabels.cbegin(); it != m_busyLabels.cend(); ++it)
    {
        if (it.value()->isVisible())
            PlaceBusyLabel(it.key(), it.value());
    }
}

void CListWidget::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    PushFlash();
}

void CListWidget::PrepareMenu()
{
    RetranslateMenu();
    const QList<QListWidgetItem*> selected = selectedItems();
    bool anyChecked = false;
    bool anyUnchecked = false;
    for (QListWidgetItem* item : selected)
    {
        const auto* cell = dynamic_cast<const CListItem*>(item);
        if (cell && cell->GetCheckState() == Qt::Checked)
            anyChecked = true;
        else
            anyUnchecked = true;
    }
    m_menu.Prepare(!selected.isEmpty(), count() > 0, anyChecked, anyUnchecked, selected.size() == 1);
}

void CListWidget::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    // The base handling can run a nested loop (drag start); one press at a time.
    if (m_bInPress)
        return;
    PressGuard guard(m_bInPress);

    if (event->button() == Qt::RightButton)
    {
        PrepareMenu();
        m_menu.Menu()->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    auto* cell = dynamic_cast<CListItem*>(itemAt(pos));
    if (!cell)
        return;
    const QRect rect = visualItemRect(cell);
    if (CListDelegate::CheckMarkRect(rect).contains(pos))
    {
        cell->SetCheckState(cell->GetCheckState() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                            cell->GetArtworkState() != ArtworkWaiting);
        emit SendCheckState(cell);
        viewport()->update(rect);
        return;
    }
    if (cell->HasMultiArtwork() && cell->GetArtworkState() == ArtworkFound &&
        CListDelegate::CandidatesRect(rect).contains(pos))
        emit SendSelectArtwork(cell);
}

void CListWidget::AllItem()
{
    for (int i = 0; i < count(); ++i)
    {
        if (auto* cell = dynamic_cast<CListItem*>(item(i)))
            cell->SetCheckState(Qt::Checked, false);
    }
    emit SetAllUnchecked(0);
    viewport()->update();
}

void CListWidget::UnAllItem()
{
    for (int i = 0; i < count(); ++i)
    {
        if (auto* cell = dynamic_cast<CListItem*>(item(i)))
            cell->SetCheckState(Qt::Unchecked, false);
    }
    emit SetAllUnchecked(1);
    viewport()->update();
}

void CListWidget::SelectItem()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    for (QListWidgetItem* item : selected)
    {
        auto* cell = dynamic_cast<CListItem*>(item);
        if (cell && cell->GetArtworkState() != ArtworkFixing && cell->GetArtworkState() != ArtworkFailed)
            cell->SetCheckState(Qt::Checked, false);
    }
    for (QListWidgetItem* item : selected)
        emit SetUnchecked(item);
    viewport()->update();
}

void CListWidget::UnSelectItem()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    for (QListWidgetItem* item : selected)
    {
        auto* cell = dynamic_cast<CListItem*>(item);
        if (cell && cell->GetArtworkState() != ArtworkFixing && cell->GetArtworkState() != ArtworkFailed)
            cell->SetCheckState(Qt::Unchecked, false);
    }
    for (QListWidgetItem* item : selected)
        emit SetUnchecked(item);
    viewport()->update();
}

void CListWidget::ShowInFinder()
{
    if (const auto* cell = dynamic_cast<const CListItem*>(currentItem()))
        ShowInFolder(cell->GetLocation());
}
