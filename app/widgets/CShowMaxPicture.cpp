#include "CShowMaxPicture.h"

#include "StyleTemplates.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

CShowMaxPicture::CShowMaxPicture(QWidget* parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint),
      m_background(QStringLiteral(":/res/res/win/label/enlarge_bg.png"))
{
    setObjectName(QStringLiteral("enlarge"));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(ScaledInt(376), ScaledInt(376));

    m_pPictureLabel = new QLabel(this);
    m_pPictureLabel->setAlignment(Qt::AlignCenter);
    m_pCloseButton = new QPushButton(this);
    m_pCloseButton->setObjectName(QStringLiteral("EnlargeClose"));
    m_pCloseButton->setStyleSheet(
        ImageButtonStyle(QStringLiteral("EnlargeClose"), QStringLiteral("enlargeclose"), ScaledValue(17),
                         ScaledValue(17), QStringLiteral("#000000"), ScaledValue(11)));
    m_pCloseButton->installEventFilter(this);
    connect(m_pCloseButton, &QPushButton::clicked, this, &CShowMaxPicture::HidePicuture);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pCloseButton, 0, Qt::AlignRight);
    layout->addWidget(m_pPictureLabel);
    hide();
}

CShowMaxPicture::~CShowMaxPicture() = default;

void CShowMaxPicture::SetPicture(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    const int side = ScaledInt(300);
    m_pPictureLabel->setPixmap(pixmap.height() > pixmap.width()
                                   ? pixmap.scaledToHeight(side, Qt::SmoothTransformation)
                                   : pixmap.scaledToWidth(side, Qt::SmoothTransformation));
    show();
}

void CShowMaxPicture::HidePicuture()
{
    hide();
    if (QWidget* owner = parentWidget())
        owner->update();
}

bool CShowMaxPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pCloseButton && event->type() == QEvent::MouseButtonPress)
        HidePicuture();
    return QFrame::eventFilter(watched, event);
}

void CShowMaxPicture::paintEvent(QPaintEvent*)
{
    // The face is drawn for 376 px: at a larger scale it is stretched to the whole overlay, or
    // only its top-left corner would be covered.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_background);
}
