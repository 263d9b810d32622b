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
    bool parentColor() const { return ParentColor; }
    void setParentColor(bool v);

    bool transparent() const { return Transparent; }
    void setTransparent(bool v);
    TColor colorBorder() const { return ColorBorder; }
    void setColorBorder(TColor c);
    TGroupBoxBorder border() const { return Border; }
    void setBorder(TGroupBoxBorder b);
    TAdvColors advColorBorder() const { return AdvColorBorder; }
    void setAdvColorBorder(TAdvColors v);
    bool useAdvColors() const { return UseAdvColors; }
    void setUseAdvColors(bool v);

    QString caption() const { return Caption; }
    void setCaption(const QString& c);
    TColor fontColor() const { return FontColor; }
    void setFontColor(TColor c);

    // The whole box as it paints itself (without children).
    QImage RenderBox();

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

    bool Transparent = false;
    bool UseAdvColors = false;
    TAdvColors AdvColorBorder = 50;
    TColor ColorBorder = gdi::RGB(160, 150, 131);
    TGroupBoxBorder Border = brFull;
    bool ParentColor = true;
    QString Caption;
    TColor FontColor = gdi::clWindowText;
    int shortcutId_ = 0;
};

} // namespace flat
