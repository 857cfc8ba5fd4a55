#pragma once

#include <QWidget>

class CPixmapItem;
class QGraphicsView;
class QTimeLine;

// The small spinning busy picture of a category badge: one turn every 500 ms for as long as it
// runs. GUI thread.
class CRotation : public QWidget
{
    Q_OBJECT

public:
    CRotation(const QString& picturePath, int width, int height, QWidget* parent = nullptr);
    ~CRotation() override;

    bool IsRunning() const;

public slots:
    void Start();
    void Stop();
    void Rotation(int angle);

private:
    QGraphicsView* m_pView = nullptr;
    CPixmapItem* m_pItem = nullptr; // owned by the scene
    QTimeLine* m_pTimeLine = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
