#include "CMessgboxEx.h"

#include "AppSettings.h"
#include "CMessageSeam.h"
#include "StyleTemplates.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// The button's picture is at least its usual width and as wide as its bold text needs, with room
// on both sides, in the current language.
QString DialogButtonStyle(const QPushButton* button)
{
    QFont bold = button->font();
    bold.setBold(true);
    bold.setPixelSize(ScaledInt(12));
    const double width =
        std::max(ScaledValue(90), QFontMetrics(bold).horizontalAdvance(button->text()) + ScaledValue(24));
    return ImageButtonStyle(button->objectName(), QStringLiteral("button"), width, ScaledValue(24),
                            QStringLiteral("#000000"), ScaledValue(12));
}

} // namespace

CMessgboxEx::CMessgboxEx(QWidget* parent) : CDialog(parent)
{
    setObjectName(QStringLiteral("CMessageBoxEx"));
    SetFixedSize(ScaledInt(400), ScaledInt(130));

    m_pTextLabel = new QLabel(tr("Are you sure you want to remove the duplicates?\n"), this);
    m_pIconLabel = new QLabel(this);
    m_pIconLabel->setPixmap(ScaledPixmap(QStringLiteral(":/res/res/win/label/msg_warning.png"), 50, 50));
    m_pCheckBox = new QCheckBox(tr("Don't show it again."), this);
    m_pCheckBox->setChecked(false);
    m_pCheckBox->setFocusPolicy(Qt::NoFocus);

    m_pRemoveButton = new QPushButton(tr("Remove"), this);
    m_pRemoveButton->setObjectName(QStringLiteral("MsgRemoveBut"));
    m_pRemoveButton->setStyleSheet(DialogButtonStyle(m_pRemoveButton));
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("MsgCancelBut"));
    cancelButton->setStyleSheet(DialogButtonStyle(cancelButton));
    SetKeyboardButtons({m_pRemoveButton, cancelButton});

    auto* textColumn = new QVBoxLayout();
    textColumn->setSpacing(0);
    textColumn->addWidget(m_pTextLabel);
    textColumn->addSpacing(5);
    textColumn->addWidget(m_pCheckBox);
    textColumn->addStretch();
    auto* topRow = new QHBoxLayout();
    topRow->setSpacing(0);
    topRow->addWidget(m_pIconLabel);
    topRow->addLayout(textColumn);
    auto* buttonRow = new QHBoxLayout();
    buttonRow->addStretch();
    buttonRow->setSpacing(ScaledInt(5));
    buttonRow->addWidget(m_pRemoveButton);
    buttonRow->addWidget(cancelButton);
    auto* outer = new QVBoxLayout();
    outer->addLayout(topRow);
    outer->addLayout(buttonRow);
    outer->addStretch();
    outer->setContentsMargins(ScaledInt(15), ScaledInt(20), ScaledInt(15), ScaledInt(12));
    AddLayout(outer);
    // At least its usual size, and as large as its texts and buttons need in the language and at
    // the scale, so the buttons keep clear of the bottom edge.
    const QSize needed = layout()->totalMinimumSize();
    SetFixedSize(std::max(ScaledInt(400), needed.width()), std::max(ScaledInt(130), needed.height()));

    connect(m_pRemoveButton, &QPushButton::clicked, this, &CMessgboxEx::Remove);
    connect(cancelButton, &QPushButton::clicked, this, &CMessgboxEx::Cancel);
}

CMessgboxEx::~CMessgboxEx() = default;

int CMessgboxEx::exec()
{
    if (!CMessageSeam::IsInstalled())
        return CDialog::exec();
    MessageQuestion question;
    question.parent = parentWidget();
    question.text = m_pTextLabel->text();
    question.type = 2;
    question.buttons = {tr("Remove"), tr("Cancel")};
    switch (CMessageSeam::Answer(question))
    {
    case 1:
        Remove();
        break;
    case 2:
        Cancel();
        break;
    default:
        done(QDialog::Rejected);
        break;
    }
    return result();
}

void CMessgboxEx::SaveCheckState()
{
    if (CAppSettings* settings = GetAppSettings())
        settings->SetMsgDshow(static_cast<int>(m_pCheckBox->checkState()));
}

void CMessgboxEx::Remove()
{
    SaveCheckState();
    done(QDialog::Accepted);
}

void CMessgboxEx::Cancel()
{
    SaveCheckState();
    done(QDialog::Rejected);
}
