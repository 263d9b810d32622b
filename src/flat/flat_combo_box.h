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
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    explicit TFlatComboBox(QWidget* parent = nullptr);
    ~TFlatComboBox() override;

    // The combo's own style (drop-down, simple, list, owner-drawn); named apart from
    // QWidget::style(), which stays the widget style.
    TComboBoxStyle comboStyle() const { return style_; }
    void setComboStyle(TComboBoxStyle s);
    TColor color() const;
    void setColor(TColor c);
    TColor colorArrow() const { return colorArrow_; }
    void setColorArrow(TColor c);
    TColor colorArrowBackground() const { return colorArrowBackground_; }
    void setColorArrowBackground(TColor c);
    TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(TColor c);
    TAdvColors advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(TAdvColors v);
    TAdvColors advColorArrowBackground() const { return advColorArrowBackground_; }
    void setAdvColorArrowBackground(TAdvColors v);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool v);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor c);

    int itemHeight() const { return itemHeight_; }
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

    int arrowButtonWidth() const { return arrowButtonWidth_; }
    int systemButtonWidth() const { return systemButtonWidth_; }
    bool droppedDown() const { return droppedDown_; }
    bool wasActive() const { return wasActive_; }
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
    bool ListStyle() const { return style_ >= csDropDownList; }
    void ApplyAdvColors();
    void RefreshActive();
    void SelectItemOfText();
    void SetupEdit();
    void ApplyColors();
    void PaintFrame(gdi::TCanvas& c);
    void PaintArrowButton(gdi::TCanvas& c);
    void PaintSelection(gdi::TCanvas& c);

    TComboBoxStyle style_ = csDropDown;
    TColor colorArrow_ = gdi::clBlack;
    TColor colorArrowBackground_ = gdi::RGB(217, 214, 197);
    TColor colorBorder_ = gdi::RGB(160, 150, 131);
    bool useAdvColors_ = false;
    TAdvColors advColorArrowBackground_ = 10;
    TAdvColors advColorBorder_ = 50;
    int arrowButtonWidth_ = 11;
    int systemButtonWidth_;
    bool wasActive_ = false;
    bool droppedDown_ = false;
    int itemHeight_ = 13;
    TColor fontColor_ = gdi::clWindowText;
    class FlatStyle;
    class ItemDelegate;
    FlatStyle* proxy_ = nullptr;
};

} // namespace flat
