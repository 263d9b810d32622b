#pragma once

#include "flat/flat_utilitys.h"

#include <QLineEdit>

#include <functional>

namespace flat {

// A single-line entry with a flat look: a 1-pixel outline and a 2-pixel band in the fill
// colour, which turns to the highlight colour while the entry has the focus or the mouse.
class TCustomFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TCustomFlatEdit(QWidget* parent = nullptr);

    TColor colorFocused() const { return colorFocused_; }
    void setColorFocused(TColor c);
    TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(TColor c);
    TColor colorFlat() const { return colorFlat_; }
    void setColorFlat(TColor c); // turns ParentColor off
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool v);
    TAdvColors advColorFocused() const { return advColorFocused_; }
    void setAdvColorFocused(TAdvColors v);
    TAdvColors advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(TAdvColors v);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool v);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor c);

    // The colour behind the text, set on every frame paint.
    TColor color() const;
    bool hovered() const { return hovered_; }
    // Whether the frame shows the highlight look right now.
    bool Highlighted() const;
    // The text area: the window less the 3-pixel frame on every side.
    QRect clientRect() const { return rect().adjusted(3, 3, -3, -3); }

    // Sets the height to the font's cell height plus the frame, as after loading a form.
    void FitHeightToFont();
    // Call after all stored settings are applied.
    void Loaded() { FitHeightToFont(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void ApplyAdvColors();
    void PaintFrame();
    void FollowParent();

    bool useAdvColors_ = false;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool parentColor_ = true;
    TColor colorFocused_ = gdi::clWhite;
    TColor colorBorder_ = gdi::RGB(160, 150, 131);
    TColor colorFlat_ = gdi::RGB(235, 234, 225);
    bool hovered_ = false;
    TColor fontColor_ = gdi::clWindowText;
};

class TFlatEdit : public TCustomFlatEdit {
    Q_OBJECT
public:
    using TCustomFlatEdit::TCustomFlatEdit;
};

} // namespace flat
