#pragma once

#include "flat/flat_utilitys.h"
#include "gdi/test_access_fwd.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;

namespace flat {

enum TFlatButtonState { stUp = 0, stDisabled = 1, stPressed = 2, stLatched = 3 };

// A flat push button with a picture and a caption: a thin border when idle, a lighter face
// and a raised border under the mouse, a sunken look while pressed; optionally one of a group
// of latching buttons. The hover look is tracked by one timer shared by all flat buttons.
class TFlatButton : public QWidget {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TFlatButton(QWidget* parent = nullptr);
    ~TFlatButton() override;

    TColor color() const;
    void setColor(TColor c); // turns ParentColor off
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool v);

    TColor colorFocused() const { return colorFocused_; }
    void setColorFocused(TColor c);
    TColor colorDown() const { return colorDown_; }
    void setColorDown(TColor c);
    TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(TColor c);
    TColor colorHighLight() const { return colorHighLight_; }
    void setColorHighLight(TColor c);
    TColor colorShadow() const { return colorShadow_; }
    void setColorShadow(TColor c);

    TAdvColors advColorFocused() const { return advColorFocused_; }
    void setAdvColorFocused(TAdvColors v);
    TAdvColors advColorDown() const { return advColorDown_; }
    void setAdvColorDown(TAdvColors v);
    TAdvColors advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(TAdvColors v);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool v);

    TTransparentMode transparentMode() const { return transparentMode_; }
    void setTransparentMode(TTransparentMode m);
    bool isDefault() const { return default_; }
    void setDefault(bool v);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int v);
    bool down() const { return down_; }
    void setDown(bool v);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool v);

    // The picture strip: 24-bit, NumGlyphs images side by side; the bottom-left pixel's
    // colour is left out when drawn.
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& img);
    TNumGlyphs numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(TNumGlyphs n);
    TButtonLayout layout() const { return layout_; }
    void setLayout(TButtonLayout l);
    int margin() const { return margin_; }
    void setMargin(int m);
    int spacing() const { return spacing_; }
    void setSpacing(int s);
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }

    // Colour of the caption text.
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor c);

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    bool tabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void setTabStop(bool v);

    // Raises OnClick (after handing ModalResult to a dialog parent).
    void Click();

    // The state the face shows: disabled while the button is disabled.
    TFlatButtonState state() const { return SettledState(); }
    bool hovered() const { return hovered_; }
    bool pressing() const { return pressing_ && isEnabled(); }
    TRect captionRect() const { return captionRect_; }
    TPoint glyphOrigin() const { return glyphOrigin_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseDown;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseMove;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseUp;

    // Paints the face into an image of the client size (what paintEvent shows), at the given
    // device pixel ratio (0: the widget's own).
    QImage RenderFace(double ratio = 0);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend struct ::TestAccess;

    // The timer, the tracked button and the count shared by all flat buttons.
    static QTimer* HoverTimer();
    static TFlatButton* TrackedButton();
    static int ButtonCount();

    void ApplyAdvColors();
    TFlatButtonState SettledState() const;
    void PaintFace(TCanvas& c, const TRect& client, TFlatButtonState state);
    void PaintBorder(TCanvas& c, const TRect& client, TFlatButtonState state) const;
    void PaintGlyph(TCanvas& c, TFlatButtonState state) const;
    void PaintCaption(TCanvas& c, TFlatButtonState state) const;
    void EnterHot();
    void LeaveHot();
    void StopTracking();
    void RefreshHover();
    bool UnderCursor() const;
    bool Inside(const QPoint& p) const;
    void NotifyGroup();
    void GroupNotified(int groupIndex, TFlatButton* sender);
    void UpdateAccelerator();
    static void HoverTick();

    bool parentColor_ = true;
    TColor colorFocused_ = gdi::RGB(235, 234, 225);
    TColor colorDown_ = gdi::RGB(217, 214, 197);
    TColor colorBorder_ = gdi::RGB(160, 150, 131);
    TColor colorHighLight_ = gdi::clWhite;
    TColor colorShadow_ = gdi::clBlack;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorDown_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool useAdvColors_ = false;
    TTransparentMode transparentMode_ = tmNone;
    bool default_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    QImage glyph_;
    TNumGlyphs numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphTop;
    int margin_ = -1;
    int spacing_ = 4;
    int modalResult_ = 0;
    QString caption_;
    TColor fontColor_ = gdi::clWindowText;

    TFlatButtonState state_ = stUp;
    bool hovered_ = false;
    bool pressing_ = false;
    TRect captionRect_;
    TPoint glyphOrigin_;
    int shortcutId_ = 0;
};

} // namespace flat
