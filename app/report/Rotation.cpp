#include "Rotation.h"

#include "PixmapItem.h"
#include "StyleTemplates.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPixmap>
#include <QTimeLine>
#include <QTransform>

CRotation::CRotation(const QString& picturePath, int width, int height, QWidget* parent)
    : QWidget(parent), m_nWidth(width), m_nHeight(height)
{
    setFixedSize(width, height);
    // A turning picture has no reading direction; a right-to-left view would scroll it aside.
    setLayoutDirection(Qt::LeftToRight);
    m_pView = new QGraphicsView(this);
    m_pView->setStyleSheet(QStringLiteral("border:0px; background-color:rgba(0,0,0,0);"));
    m_pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setFixedSize(width, height);
    auto* scene = new QGraphicsScene(m_pView);
    scene->setSceneRect(0, 0, width, height);
    m_pView->setScene(scene);
    m_pView->setSceneRect(0, 0, width, height);

    const int side = ScaledInt(16);
    const QPixmap picture =
        QPixmap(picturePath).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_pItem = new CPixmapItem(picture);
    scene->addItem(m_pItem);

    m_pTimeLine = new QTimeLine(500, this);
    m_pTimeLine->setFrameRange(0, 360);
    m_pTimeLine->setEasingCurve(QEasingCurve::Linear);
    connect(m_pTimeLine, &QTimeLine::frameChanged, this, &CRotation::Rotation);
    // Each finished turn starts the next, so it spins until stopped.
    connect(m_pTimeLine, &QTimeLine::finished, this, &CRotation::Start);
}

CRotation::~CRotation()
{
    if (m_pTimeLine->state() == QTimeLine::Running)
        m_pTimeLine->stop();
}

bool CRotation::IsRunning() const
{
    return m_pTimeLine->state() == QTimeLine::Running;
}

void CRotation::Start()
{
    switch (m_pTimeLine->state())
    {
    case QTimeLine::NotRunning:
        m_pTimeLine->start();
        break;
    case QTimeLine::Paused:
        m_pTimeLine->resume();
        break;
    case QTimeLine::Running:
        break;
    }
}

void CRotation::Stop()
{
    if (m_pTimeLine->state() != QTimeLine::NotRunning)
        m_pTimeLine->stop();
}

void CRotation::Rotation(int angle)
{
    const int halfW = m_nWidth / 2;
    const int halfH = m_nHeight / 2;
    QTransform transform;
    transform.translate(halfW, halfH);
    transform.rotate(angle, Qt::ZAxis);
    transform.translate(-halfW, -halfH);
    m_pItem->setTransform(transform, false);
}
