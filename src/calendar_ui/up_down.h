#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace calendar_ui {

enum TUDBtnType { btNext, btPrev };

// A vertical pair of arrow buttons over a position within Min..Max. The upper button steps
// up, the lower one down; at either end the position stays (no wrap-around) and nothing is
// reported. Holding a button down repeats the step.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setRange(int min, int max);
    int position() const { return position_; }
    // Kept within Min..Max; reports nothing.
    void setPosition(int value);

    // Called after the position moved by one step.
    std::function<void(QObject* sender, TUDBtnType button)> OnClick;

    // One step as a press of the button does it.
    void Step(TUDBtnType button);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pressed_ = -1; // 0 upper button, 1 lower button, -1 none
    QTimer repeat_;
};

} // namespace calendar_ui
