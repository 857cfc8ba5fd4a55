#include "AnalyWidget.h"

#include "AppGlobals.h"
#include "StyleTemplates.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QVBoxLayout>

CAnalyWidget::CAnalyWidget(QWidget* covered, QWidget* parent)
    : QWidget(parent), m_pCovered(covered), m_pPicture(new QLabel(this)),
      m_pMovie(std::make_unique<QMovie>(":/res/res/win/gif/bigloading.gif"))
{
    m_pPicture->setFixedSize(ScaledInt(60), ScaledInt(60));
    m_done = QPixmap(":/res/res/win/label/fixallok.png")
                 .scaled(ScaledInt(60), ScaledInt(60), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_mask = QImage(":/res/res/win/label/blackmask.png")
                 .scaled(ScaledInt(798), ScaledInt(431), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_pMovie->setScaledSize(QSize(ScaledInt(60), ScaledInt(60)));
    m_pPicture->setMovie(m_pMovie.get());

    auto* column = new QVBoxLayout;
    column->addStretch();
    column->addWidget(m_pPicture, 0, Qt::AlignVCenter);
    column->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addStretch();
    row->addLayout(column, 4);
    row->addStretch();
}

CAnalyWidget::~CAnalyWidget()
{
    // The label must let go of the animation before the animation goes.
    m_pPicture->setMovie(nullptr);
}

void CAnalyWidget::ShowLoading(bool loading)
{
    m_pMovie->stop();
    if (loading)
    {
        setFocus();
        m_pPicture->setMovie(m_pMovie.get());
        m_pMovie->start();
    }
    else
    {
        m_pPicture->setMovie(nullptr);
        m_pPicture->setPixmap(m_done);
    }
    if (m_pCovered)
        setGeometry(m_pCovered->geometry());
    show();
}

void CAnalyWidget::StartMovie()
{
    m_pMovie->start();
}

void CAnalyWidget::StopMovie()
{
    m_pMovie->stop();
}

bool CAnalyWidget::IsMovieRunning() const
{
    return m_pMovie->state() == QMovie::Running;
}

bool CAnalyWidget::ShowsDonePicture() const
{
    return !m_pPicture->movie();
}

void CAnalyWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_mask.isNull())
        painter.drawImage(rect(), m_mask);
}
