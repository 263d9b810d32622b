#pragma once

#include "flat/flat_utilitys.h"

#include <QComboBox>

#include <functional>

namespace flat {

enum TComboBoxStyle {
    csDropDown = 0,
    csSimple = 1,
    csDropDownList = 2,
    csOwnerDrawFixed = 3,
    csOwnerDrawVariable = 4
};

// A combo box with a flat look: a 1-pixel outline around the text part, a narrow flat arrow
// button at the right edge and, in the drop-down-list styles, the selection highlight carried
// up to that button.
class TFlatComboBox : public QComboBox {
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TFlatComboBox(QWidget* parent = nullptr);
    ~TFlatComboBox() override;

    // The combo's Style property (hides QWidget::style(); QWidget::style() still names the
    // widget style).
    TComboBoxStyle style() const { return Style; }
    void setStyle(TComboBoxStyle s);
    TColor color() const;
    void setColor(TColor c);
    TColor colorArrow() const { return ColorArrow; }
    void setColorArrow(TColor c);
    TColor colorArrowBackground() const { return ColorArrowBackground; }
    void setColorArrowBackground(TColor c);
    TColor colorBorder() const { return ColorBorder; }
    void setColorBorder(TColor c);
    TAdvColors advColorBorder() const { return AdvColorBorder; }
    void setAdvColorBorder(TAdvColors v);
    TAdvColors advColorArrowBackground() const { return AdvColorArrowBackground; }
    void setAdvColorArrowBackground(TAdvColors v);
    bool useAdvColors() const { return UseAdvColors; }
    void setUseAdvColors(bool v);
    TColor fontColor() const { return FontColor; }
    void setFontColor(TColor c);

    int itemHeight() const { return ItemHeight; }
    void setItemHeight(int h);
    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int i) { setCurrentIndex(i); }
    QString text() const { return currentText(); }
    // Editable styles: the edit's text. List styles: selects the item with that text.
    void setText(const QString& t);
    // Items are added and cleared without touching ItemIndex or Text.
    void itemsAdd(const QString& item);
    void itemsClear();
    QStringList items() const;

    int arrowButtonWidth() const { return ArrowButtonWidth; }
    int systemButtonWidth() const { return SystemButtonWidth; }
    bool droppedDown() const { return DroppedDown; }
    bool wasActive() const { return WasActive; }
    bool IsActive() const;
    TRect ArrowButtonRect() const;
    // The rectangle the inner edit takes in the editable styles.
    QRect EditRect() const;

    void showPopup() override;
    void hidePopup() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool ListStyle() const { return Style >= csDropDownList; }
    void ApplyAdvColors();
    void RefreshActive();
    void SelectItemOfText();
    void SetupEdit();
    void ApplyColors();
    void PaintFrame(gdi::TCanvas& c);
    void PaintArrowButton(gdi::TCanvas& c);
    void PaintSelection(gdi::TCanvas& c);

    TComboBoxStyle Style = csDropDown;
    TColor ColorArrow = gdi::clBlack;
    TColor ColorArrowBackground = 12965593;
    TColor ColorBorder = 8623776;
    bool UseAdvColors = false;
    TAdvColors AdvColorArrowBackground = 10;
    TAdvColors AdvColorBorder = 50;
    int ArrowButtonWidth = 11;
    int SystemButtonWidth;
    bool WasActive = false;
    bool DroppedDown = false;
    int ItemHeight = 13;
    TColor FontColor = gdi::clWindowText;
    class FlatStyle;
    class ItemDelegate;
    FlatStyle* proxy_ = nullptr;
};

} // namespace flat
