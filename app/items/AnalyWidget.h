#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QLabel;
class QMovie;

// The dimmed busy overlay over the main window's pages: a spinning animation while work runs,
// a "done" picture afterwards. Created once by the main window and shown many times. GUI thread.
class CAnalyWidget : public QWidget
{
    Q_OBJECT

public:
    CAnalyWidget(QWidget* covered, QWidget* parent = nullptr);
    ~CAnalyWidget() override;

    // Loading: focus, animation on and running. Otherwise: the done picture. Either way the
    // overlay takes the covered widget's geometry and shows.
    void ShowLoading(bool loading);
    void StartMovie();
    void StopMovie();

    bool IsMovieRunning() const;
    bool ShowsDonePicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_pCovered = nullptr; // not owned
    QLabel* m_pPicture = nullptr;
    QImage m_mask;
    std::unique_ptr<QMovie> m_pMovie;
    QPixmap m_done;
};
