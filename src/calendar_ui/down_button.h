#pragma once

#include <QWidget>

#include <functional>

namespace calendar_ui {

// The picker's drop-down button: a small custom-drawn button with a downward arrow.
class TDownButton : public QWidget {
    Q_OBJECT
public:
    // State values: the mouse came in, the left button is down, the button is up again or
    // the mouse has gone.
    enum { stHot = 0, stPressed = 1, stReleased = 2 };

    explicit TDownButton(QWidget* parent = nullptr);

    int state() const { return state_; }
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool v);
    // Draws the style's combo-box arrow button instead of the classic one.
    bool visualStyles() const { return visualStyles_; }
    void setVisualStyles(bool v);

    // A press and release of the left button inside the button.
    std::function<void(QObject* sender)> OnClick;

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void SetState(int s);
    void PaintStyled();

    int state_ = stHot;
    bool ctl3D_ = true;
    bool visualStyles_ = false;
    bool down_ = false; // the left button went down inside and is not up yet
};

} // namespace calendar_ui
