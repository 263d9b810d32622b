#pragma once

#include "flat/flat_utilitys.h"

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
    bool parentColor() const { return ParentColor; }
    void setParentColor(bool v);

    TColor colorFocused() const { return ColorFocused; }
    void setColorFocused(TColor c);
    TColor colorDown() const { return ColorDown; }
    void setColorDown(TColor c);
    TColor colorBorder() const { return ColorBorder; }
    void setColorBorder(TColor c);
    TColor colorHighLight() const { return ColorHighLight; }
    void setColorHighLight(TColor c);
    TColor colorShadow() const { return ColorShadow; }
    void setColorShadow(TColor c);

    TAdvColors advColorFocused() const { return AdvColorFocused; }
    void setAdvColorFocused(TAdvColors v);
    TAdvColors advColorDown() const { return AdvColorDown; }
    void setAdvColorDown(TAdvColors v);
    TAdvColors advColorBorder() const { return AdvColorBorder; }
    void setAdvColorBorder(TAdvColors v);
    bool useAdvColors() const { return UseAdvColors; }
    void setUseAdvColors(bool v);

    TTransparentMode transparentMode() const { return TransparentMode; }
    void setTransparentMode(TTransparentMode m);
    bool isDefault() const { return Default; }
    void setDefault(bool v);
    int groupIndex() const { return GroupIndex; }
    void setGroupIndex(int v);
    bool down() const { return Down; }
    void setDown(bool v);
    bool allowAllUp() const { return AllowAllUp; }
    void setAllowAllUp(bool v);

    // The picture strip: 24-bit, NumGlyphs images side by side; the bottom-left pixel's
    // colour is left out when drawn.
    const QImage& glyph() const { return Glyph; }
    void setGlyph(const QImage& img);
    TNumGlyphs numGlyphs() const { return NumGlyphs; }
    void setNumGlyphs(TNumGlyphs n);
    TButtonLayout layout() const { return Layout; }
    void setLayout(TButtonLayout l);
    int margin() const { return Margin; }
    void setMargin(int m);
    int spacing() const { return Spacing; }
    void setSpacing(int s);
    int modalResult() const { return ModalResult; }
    void setModalResult(int r) { ModalResult = r; }

    // Colour of the caption text.
    TColor fontColor() const { return FontColor; }
    void setFontColor(TColor c);

    QString caption() const { return Caption; }
    void setCaption(const QString& c);
    bool tabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void setTabStop(bool v);

    // Raises OnClick (after handing ModalResult to a dialog parent).
    void Click();

    // The state the face shows: disabled while the button is disabled.
    TFlatButtonState state() const { return SettledState(); }
    bool hovered() const { return Hovered; }
    bool pressing() const { return Pressing && isEnabled(); }
    TRect captionRect() const { return CaptionRect; }
    TPoint glyphOrigin() const { return GlyphOrigin; }

    // The timer, the tracked button and the count shared by all flat buttons.
    static QTimer* HoverTimer();
    static TFlatButton* TrackedButton();
    static int ButtonCount();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseDown;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseMove;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseUp;

    // Paints the face into an image of the client size (what paintEvent shows).
    QImage RenderFace();

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

    bool ParentColor = true;
    TColor ColorFocused = gdi::RGB(235, 234, 225);
    TColor ColorDown = gdi::RGB(217, 214, 197);
    TColor ColorBorder = gdi::RGB(160, 150, 131);
    TColor ColorHighLight = gdi::clWhite;
    TColor ColorShadow = gdi::clBlack;
    TAdvColors AdvColorFocused = 10;
    TAdvColors AdvColorDown = 10;
    TAdvColors AdvColorBorder = 50;
    bool UseAdvColors = false;
    TTransparentMode TransparentMode = tmNone;
    bool Default = false;
    int GroupIndex = 0;
    bool Down = false;
    bool AllowAllUp = false;
    QImage Glyph;
    TNumGlyphs NumGlyphs = 1;
    TButtonLayout Layout = blGlyphTop;
    int Margin = -1;
    int Spacing = 4;
    int ModalResult = 0;
    QString Caption;
    TColor FontColor = gdi::clWindowText;

    TFlatButtonState State = stUp;
    bool Hovered = false;
    bool Pressing = false;
    TRect CaptionRect;
    TPoint GlyphOrigin;
    int shortcutId_ = 0;
};

} // namespace flat
