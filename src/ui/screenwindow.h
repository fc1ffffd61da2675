#pragma once

#include <QPixmap>
#include <QWidget>

namespace sakana {

// The window of one screen. It paints its background colour and picture,
// reports pointer moves over its own background, and reports when the user
// closes it through the window system.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow();

    void setBackgroundPicture(const QPixmap &picture) { background_ = picture; update(); }
    // Closing by the program itself does not count as the user's close.
    void closeByProgram();

signals:
    void pointerOverBackground();
    void closedByUser();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap background_;
    bool closingByProgram_ = false;
};

} // namespace sakana
