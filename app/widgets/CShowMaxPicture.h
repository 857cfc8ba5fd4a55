#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QPushButton;

// The overlay that shows an artwork enlarged (300 x scale on its longer side) on a rounded panel
// with a close button. Created hidden; SetPicture shows it. GUI thread.
class CShowMaxPicture : public QFrame
{
    Q_OBJECT

public:
    explicit CShowMaxPicture(QWidget* parent = nullptr);
    ~CShowMaxPicture() override;

    // Nothing for a null pixmap; otherwise shows it scaled and shows the overlay.
    void SetPicture(const QPixmap& pixmap);
    QLabel* PictureLabel() const { return m_pPictureLabel; }

public slots:
    void HidePicuture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    QLabel* m_pPictureLabel = nullptr;
    QPushButton* m_pCloseButton = nullptr;
};
