#include "DuplicateWidget.h"

#include "AppSettings.h"
#include "HistoryOptWidget.h"
#include "MusicFlags.h"
#include "StyleTemplates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace
{

QString SmallLabelStyle()
{
    return QStringLiteral("QLabel{font:%1px;color:#333333;}").arg(ScaledValue(11), 0, 'g', 6);
}

QVBoxLayout* IndentedColumn(bool scaledRight = true)
{
    auto* box = new QVBoxLayout;
    box->setContentsMargins(ScaledInt(25), 0, scaledRight ? ScaledInt(10) : 10, 0);
    return box;
}

} // namespace

CDuplicateWidget::CDuplicateWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Duplicatemode"));
    setStyleSheet(
        QStringLiteral("QWidget#Duplicatemode{background-color:#dcecf3;border-color:transparent;}"));

    m_pHeading = new QLabel(this);
    m_pQuick = new QRadioButton(this);
    m_pDeep = new QRadioButton(this);
    m_pNote = new QLabel(this);
    m_pName = new QCheckBox(this);
    m_pArtist = new QCheckBox(this);
    m_pAlbum = new QCheckBox(this);
    m_pFileSize = new QCheckBox(this);
    m_pTime = new QCheckBox(this);
    m_pDegree = new QComboBox(this);
    m_pDegreeLabel = new QLabel(this);
    m_pHistory = new QPushButton(this);
    auto* options = new QPushButton(this);

    m_pNote->setStyleSheet(SmallLabelStyle());
    m_pDegreeLabel->setStyleSheet(SmallLabelStyle());
    for (QWidget* w : std::initializer_list<QWidget*>{m_pQuick, m_pDeep, m_pName, m_pArtist, m_pAlbum,
                                                      m_pFileSize, m_pTime, m_pDegree, m_pHistory, options})
        w->setFocusPolicy(Qt::NoFocus);
    m_pDegree->setEditable(false);
    m_pDegree->setFixedWidth(ScaledInt(75));
    m_pDegree->addItems({tr("Low"), tr("Medium"), tr("High")});

    m_pHistory->setObjectName(QStringLiteral("duprembtn"));
    // The history picture carries a clock at its left: the text keeps to the room beside it.
    m_pHistory->setStyleSheet(ImageButtonStyle(m_pHistory->objectName(), QStringLiteral("removehistory"),
                                               ScaledValue(173), ScaledValue(26), "#000000",
                                               ScaledValue(12)) +
                              QStringLiteral("QPushButton#duprembtn{padding-left:%1px;padding-right:%2px;}")
                                  .arg(ScaledValue(22))
                                  .arg(ScaledValue(4)));
    options->setObjectName(QStringLiteral("dupremoptbtn"));
    options->setStyleSheet(ImageButtonStyle(options->objectName(), QStringLiteral("removeoption"),
                                            ScaledValue(32), ScaledValue(26), "#000000", ScaledValue(12)));

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->addSpacing(ScaledInt(25));
    m_pHeading->setContentsMargins(ScaledInt(25), 0, ScaledInt(10), 0);
    main->addWidget(m_pHeading);

    auto* quick = IndentedColumn();
    quick->addWidget(m_pQuick);
    auto* criteria = IndentedColumn();
    for (QCheckBox* box : {m_pName, m_pArtist, m_pAlbum, m_pFileSize, m_pTime})
        criteria->addWidget(box);
    quick->addLayout(criteria);
    main->addLayout(quick);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    main->addWidget(line);

    auto* deep = IndentedColumn(false);
    deep->addWidget(m_pDeep);
    auto* degreeRow = new QHBoxLayout;
    degreeRow->setSpacing(0);
    degreeRow->addWidget(m_pDegreeLabel);
    degreeRow->addWidget(m_pDegree);
    degreeRow->addStretch();
    deep->addLayout(degreeRow);
    deep->addWidget(m_pNote);
    main->addLayout(deep);
    main->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(ScaledInt(2));
    buttons->addWidget(m_pHistory);
    buttons->addWidget(options);
    main->addLayout(buttons);
    main->addSpacing(5);

    loadLanguage();

    connect(m_pHistory, &QPushButton::clicked, this, &CDuplicateWidget::ShowTrash);
    connect(options, &QPushButton::clicked, this, &CDuplicateWidget::SetRemoveOpt);
    connect(m_pQuick, &QRadioButton::clicked, this, &CDuplicateWidget::StateChanged);
    connect(m_pDeep, &QRadioButton::clicked, this, &CDuplicateWidget::StateChanged);
    connect(m_pDegree, &QComboBox::currentIndexChanged, this, &CDuplicateWidget::Match);

    Restore();
}

CDuplicateWidget::~CDuplicateWidget()
{
    Save();
}

void CDuplicateWidget::Restore()
{
    CAppSettings* settings = GetAppSettings();
    const int mask = settings ? settings->GetDuplicate() : static_cast<int>(kDefaultDuplicateMask);
    m_pName->setChecked(mask & MF_Name);
    m_pArtist->setChecked(mask & MF_Artist);
    m_pAlbum->setChecked(mask & MF_Album);
    m_pFileSize->setChecked(mask & MF_Size);
    m_pTime->setChecked(mask & MF_TotalTime);
    // Title matching is never changed here: it keeps what the mask said.
    m_pName->setEnabled(false);

    const bool deep = mask & MF_DeepScan;
    m_pQuick->setChecked(!deep);
    m_pDeep->setChecked(deep);
    for (QCheckBox* box : {m_pArtist, m_pAlbum, m_pFileSize, m_pTime})
        box->setEnabled(!deep);
    m_pDegree->setEnabled(deep);

    int index = 1;
    if (mask & MF_MatchHigh)
        index = 2;
    else if (mask & MF_MatchMedium)
        index = 1;
    else if (mask & MF_MatchLow)
        index = 0;
    // The combo box stands at 0 after filling, so index 1 or 2 saves once through Match.
    m_pDegree->setCurrentIndex(index);
}

void CDuplicateWidget::StateChanged()
{
    const bool quick = m_pQuick->isChecked();
    for (QCheckBox* box : {m_pArtist, m_pAlbum, m_pFileSize, m_pTime})
        box->setEnabled(quick);
    m_pDegree->setEnabled(!quick);
    Save();
}

void CDuplicateWidget::Save()
{
    CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    const int index = m_pDegree->currentIndex();
    const int degree = index == 2 ? 16 : index == 1 ? 32 : 64;
    settings->SetMatchDegree(degree);

    int mask = 0;
    if (m_pName->checkState() == Qt::Checked)
        mask |= MF_Name;
    if (m_pArtist->checkState() == Qt::Checked)
        mask |= MF_Artist;
    if (m_pAlbum->checkState() == Qt::Checked)
        mask |= MF_Album;
    if (m_pFileSize->checkState() == Qt::Checked)
        mask |= MF_Size;
    if (m_pTime->checkState() == Qt::Checked)
        mask |= MF_TotalTime;
    if (m_pDeep->isChecked())
        mask |= MF_DeepScan;
    mask |= degree;
    settings->SetDuplicate(mask);
}

void CDuplicateWidget::SetRemoveOpt()
{
    auto dialog = std::make_unique<CHistoryOptWidget>(this);
    dialog->exec();
}

void CDuplicateWidget::Match(int)
{
    Save();
}

void CDuplicateWidget::loadLanguage()
{
    m_pHeading->setText(tr("Please choose one scanning\nmode to search duplicates."));
    m_pQuick->setText(tr("Quick Scan"));
    m_pDeep->setText(tr("Deep Scan"));
    m_pNote->setText(tr(
        "It might take some time to\ndetermine duplicates with acoustic\nfingerprint. Please be patient."));
    m_pName->setText(tr("Name"));
    m_pArtist->setText(tr("Artist"));
    m_pAlbum->setText(tr("Album"));
    m_pFileSize->setText(tr("File size"));
    m_pTime->setText(tr("Time"));
    m_pDegreeLabel->setText(tr("Match Degree: "));
    m_pDegree->setItemText(0, tr("Low"));
    m_pDegree->setItemText(1, tr("Medium"));
    m_pDegree->setItemText(2, tr("High"));
    // As wide as the longest degree in this language needs.
    m_pDegree->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pDegree->setFixedWidth(std::max(ScaledInt(75), m_pDegree->sizeHint().width()));
    m_pHistory->setText(tr("   Show Remove History"));
}

void CDuplicateWidget::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
