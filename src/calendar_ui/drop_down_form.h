#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QMouseEvent;

namespace calendar_ui {

// The borderless pop-up a picker drops down: it holds the month calendar over its whole area.
// It is a real pop-up window (attached to its owner's window, placed by the window system
// where that has a say), and it closes when the user clicks elsewhere, switches windows or
// presses Escape. A click elsewhere also reaches what it was aimed at, as if the pop-up had
// not been there, except on the owner's own drop-down button, which only closes it.
class TDropDownForm : public QWidget {
    Q_OBJECT
public:
    explicit TDropDownForm(QWidget* owner);

    // Return or Enter while open: the owner takes the selected day.
    std::function<void()> OnAccept;
    // A press on this widget while the pop-up is open closes it and goes no further.
    void setCloseOnlyOver(QWidget* w) { closeOnlyOver_ = w; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool ClosesOnly(const QWidget* target) const;
    static void PassPressOn(QWidget* target, const QMouseEvent& press);

    QPointer<QWidget> closeOnlyOver_;
};

} // namespace calendar_ui
