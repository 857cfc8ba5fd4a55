#include "CDialog.h"

#include "CTitleBar.h"
#include "StyleTemplates.h"
#include "WindowPainting.h"

#include <QIcon>
#include <QPushButton>
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

void CDialog::SetKeyboardButtons(std::initializer_list<QPushButton*> buttons)
{
    bool first = true;
    for (QPushButton* button : buttons)
    {
        button->setFocusPolicy(Qt::StrongFocus);
        // A button that takes the focus becomes the dialog's default, so Return presses it.
        button->setAutoDefault(true);
        // The picture stays as it is; the focus is drawn over it (the style draws the outline
        // where a focus frame goes), so the chosen button is seen whatever the pointer does.
        button->setStyleSheet(button->styleSheet() +
                              QStringLiteral("QPushButton#%1:focus{outline: %2px dotted #000000;}")
                                  .arg(button->objectName(), QString::number(ScaledValue(1), 'g')));
        if (first)
        {
            button->setDefault(true);
            button->setFocus();
            first = false;
        }
    }
}
