#include "CDialog.h"

#include "CTitleBar.h"
#include "WindowPainting.h"

#include <QIcon>
#include <QVBoxLayout>

CDialog::CDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent)
{
    setWindowFlags(flags | Qt::FramelessWindowHint | Qt::Dialog | Qt::WindowMinMaxButtonsHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(0, 0, 0, 0);

    m_pTitleBar = new CTitleBar(this);
    m_pTitleBar->SetMargins(10, 0, 10, 0);

    m_pMainLayout = new QVBoxLayout();
    m_pMainLayout->setContentsMargins(0, 0, 0, 0);
    m_pMainLayout->addWidget(m_pTitleBar);
    m_pMainLayout->setSpacing(0);
    setLayout(m_pMainLayout);
    setContentsMargins(0, 0, 0, 0);
}

CDialog::~CDialog() = default;

void CDialog::AddLayout(QLayout* layout)
{
    while (m_pMainLayout->count() > 1)
        delete m_pMainLayout->takeAt(1);
    m_pMainLayout->addLayout(layout);
}

void CDialog::SetTitle(const QString& title)
{
    m_pTitleBar->setWindowTitle(title);
    QWidget::setWindowTitle(title);
}

void CDialog::SetFixedSize(int width, int height)
{
    m_pTitleBar->setCanResize(false);
    QWidget::setFixedSize(width, height);
}

void CDialog::SetIcon(const QIcon& icon)
{
    m_pTitleBar->SetIcon(icon);
    QWidget::setWindowIcon(icon);
}

void CDialog::paintEvent(QPaintEvent*)
{
    PaintRoundedWindow(this);
}
