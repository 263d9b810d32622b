#pragma once

#include "flat/flat_utilitys.h"

#include <QWidget>

#include <functional>

namespace flat {

// A container with a thin frame around its children and a caption set into the top line,
// opaque (filled with its Color) or see-through.
class TFlatGroupBox : public QWidget {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TFlatGroupBox(QWidget* parent = nullptr);

    TColor color() const;
    void setColor(TColor c); // turns ParentColor off
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool v);

    bool transparent() const { return transparent_; }
    void setTransparent(bool v);
    TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(TColor c);
    TGroupBoxBorder border() const { return border_; }
    void setBorder(TGroupBoxBorder b);
    TAdvColors advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(TAdvColors v);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool v);

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor c);

    // The whole box as it paints itself (without children), at the given device pixel ratio
    // (0: the widget's own).
    QImage RenderBox(double ratio = 0);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void ApplyAdvColors();
    void UpdateAccelerator();

    bool transparent_ = false;
    bool useAdvColors_ = false;
    TAdvColors advColorBorder_ = 50;
    TColor colorBorder_ = gdi::RGB(160, 150, 131);
    TGroupBoxBorder border_ = brFull;
    bool parentColor_ = true;
    QString caption_;
    TColor fontColor_ = gdi::clWindowText;
    int shortcutId_ = 0;
};

} // namespace flat
