#include "flat/flat_combo_box.h"

#include "gdi/control_color.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionComplex>
#include <QStyledItemDelegate>

namespace flat {

// Puts the inner edit and the arrow hit zone where the flat look draws them.
class TFlatComboBox::FlatStyle : public QProxyStyle {
public:
    explicit FlatStyle(TFlatComboBox* combo) : combo_(combo) {}

    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        if (cc == CC_ComboBox && w == combo_) {
            if (sc == SC_ComboBoxEditField) return combo_->EditRect();
            if (sc == SC_ComboBoxArrow) return combo_->ArrowButtonRect().ToQRect();
        }
        return QProxyStyle::subControlRect(cc, opt, sc, w);
    }

private:
    TFlatComboBox* combo_;
};

// Gives the drop-down list's rows the combo's ItemHeight.
class TFlatComboBox::ItemDelegate : public QStyledItemDelegate {
public:
    explicit ItemDelegate(TFlatComboBox* combo) : QStyledItemDelegate(combo), combo_(combo) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(combo_->itemHeight());
        return s;
    }

private:
    TFlatComboBox* combo_;
};

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QComboBox(parent), systemButtonWidth_(gdi::GetSystemMetrics(gdi::SM_CXVSCROLL)) {
    proxy_ = new FlatStyle(this);
    QWidget::setStyle(proxy_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // Enter in the edit does not add an item
    setMaxVisibleItems(8);
    resize(145, 25);
    setItemDelegate(new ItemDelegate(this));
    gdi::SetControlColor(this, gdi::clWindow);
    SetupEdit();
    ApplyColors();
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (OnClick) OnClick(this);
        if (OnChange) OnChange(this);
        if (ListStyle()) update();
    });
}

TFlatComboBox::~TFlatComboBox() {
    QWidget::setStyle(nullptr);
    delete proxy_;
}

// ---- properties --------------------------------------------------------------------------

void TFlatComboBox::setComboStyle(TComboBoxStyle s) {
    if (style_ == s) return;
    style_ = s;
    const bool editable = s < csDropDownList;
    if (editable != isEditable()) {
        setEditable(editable);
        SetupEdit();
    }
    ApplyColors();
    update();
}

TColor TFlatComboBox::color() const {
    return gdi::ControlColor(this);
}

void TFlatComboBox::setColor(TColor c) {
    gdi::SetControlColor(this, c);
    ApplyColors();
}

void TFlatComboBox::setColorArrow(TColor c) {
    colorArrow_ = c;
    update();
}

void TFlatComboBox::setColorArrowBackground(TColor c) {
    colorArrowBackground_ = c;
    update();
}

void TFlatComboBox::setColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}

void TFlatComboBox::setAdvColorBorder(TAdvColors v) {
    advColorBorder_ = v;
    ApplyAdvColors();
    update();
}

void TFlatComboBox::setAdvColorArrowBackground(TAdvColors v) {
    advColorArrowBackground_ = v;
    ApplyAdvColors();
    update();
}

void TFlatComboBox::setUseAdvColors(bool v) {
    if (useAdvColors_ == v) return;
    useAdvColors_ = v;
    ApplyAdvColors();
    update();
}

void TFlatComboBox::setFontColor(TColor c) {
    fontColor_ = c;
    ApplyColors();
}

void TFlatComboBox::ApplyAdvColors() {
    // The rule reads the parent's colour; without a parent there is nothing to derive from.
    if (!useAdvColors_ || parentWidget() == nullptr) return;
    const TColor base = gdi::ControlColor(parentWidget());
    colorBorder_ = DeriveAdvColor(base, colorBorder_, advColorBorder_, true);
    colorArrowBackground_ =
        DeriveAdvColor(base, colorArrowBackground_, advColorArrowBackground_, true);
}

void TFlatComboBox::setItemHeight(int h) {
    if (h <= 0 || h == itemHeight_) return;
    itemHeight_ = h;
    update();
}

void TFlatComboBox::setText(const QString& t) {
    if (isEditable()) {
        setEditText(t);
        lineEdit()->setCursorPosition(0); // show the start, as a freshly set edit does
    } else
        setCurrentIndex(findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive));
    update();
}

void TFlatComboBox::itemsAdd(const QString& item) {
    const int idx = currentIndex();
    const QString t = isEditable() ? lineEdit()->text() : QString();
    {
        const QSignalBlocker block(this);
        addItem(item);
        if (currentIndex() != idx) setCurrentIndex(idx);
        if (isEditable() && lineEdit()->text() != t) lineEdit()->setText(t);
    }
    update();
}

void TFlatComboBox::itemsClear() {
    const QString t = isEditable() ? lineEdit()->text() : QString();
    {
        const QSignalBlocker block(this);
        clear();
        if (isEditable()) lineEdit()->setText(t);
    }
    update();
}

QStringList TFlatComboBox::items() const {
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

// ---- geometry and state ------------------------------------------------------------------

TRect TFlatComboBox::ArrowButtonRect() const {
    TRect r{0, 0, width(), height()};
    r.Left = width() - arrowButtonWidth_;
    r.Offset(-1, 0);
    return r;
}

QRect TFlatComboBox::EditRect() const {
    return QRect(3, 3, std::max(0, width() - arrowButtonWidth_ - 8), std::max(0, height() - 6));
}

bool TFlatComboBox::IsActive() const {
    const QWidget* f = QApplication::focusWidget();
    return droppedDown_ || (f != nullptr && (f == this || (isEditable() && f == lineEdit())));
}

void TFlatComboBox::RefreshActive() {
    const bool active = IsActive();
    if (active != wasActive_) {
        wasActive_ = active;
        update();
    }
}

void TFlatComboBox::SetupEdit() {
    if (QLineEdit* e = lineEdit()) {
        e->setFrame(false);
        e->setGeometry(EditRect());
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [this] {
            if (OnChange) OnChange(this);
        });
    }
}

void TFlatComboBox::ApplyColors() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, gdi::ToQColor(color()));
    pal.setColor(QPalette::Window, gdi::ToQColor(color()));
    pal.setColor(QPalette::Text, gdi::ToQColor(fontColor_));
    pal.setColor(QPalette::ButtonText, gdi::ToQColor(fontColor_));
    pal.setColor(QPalette::Disabled, QPalette::Text, gdi::ToQColor(gdi::clGrayText));
    setPalette(pal);
    if (QLineEdit* e = lineEdit()) e->setPalette(pal);
    if (view() != nullptr) view()->setPalette(pal); // the list shows the combo's colours
    update();
}

void TFlatComboBox::showPopup() {
    droppedDown_ = true;
    if (OnDropDown) OnDropDown(this);
    SelectItemOfText(); // the list opens on the current item
    QComboBox::showPopup();
    RefreshActive();
    update();
}

// An editable box's list opens on the item equal to the text, highlighted and scrolled into
// view, as the platform's boxes do. That item becomes the box's selection quietly: the text is
// already the item's, so nothing has changed for the user.
void TFlatComboBox::SelectItemOfText() {
    if (!isEditable()) return;
    const int i = findText(lineEdit()->text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0 || i == currentIndex()) return;
    const QSignalBlocker block(this);
    setCurrentIndex(i);
}

void TFlatComboBox::hidePopup() {
    QComboBox::hidePopup();
    droppedDown_ = false;
    TRect r = ArrowButtonRect();
    r.Left -= 2;
    update(r.ToQRect());
    RefreshActive();
}

// ---- events ------------------------------------------------------------------------------

bool TFlatComboBox::event(QEvent* e) {
    const auto t = e->type();
    if (t == gdi::ParentColorChangedEvent() || t == gdi::SysColorChangedEvent()) {
        ApplyAdvColors();
        update();
        return true;
    }
    return QComboBox::event(e);
}

bool TFlatComboBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lineEdit() && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        const bool r = QComboBox::eventFilter(watched, e);
        RefreshActive();
        return r;
    }
    return QComboBox::eventFilter(watched, e);
}

void TFlatComboBox::resizeEvent(QResizeEvent* e) {
    QComboBox::resizeEvent(e);
    if (isEditable()) lineEdit()->setGeometry(EditRect());
}

void TFlatComboBox::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    RefreshActive();
    if (ListStyle()) update();
}

void TFlatComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    RefreshActive();
    if (ListStyle()) update();
}

void TFlatComboBox::keyPressEvent(QKeyEvent* e) {
    const QString before = currentText();
    QComboBox::keyPressEvent(e);
    if (ListStyle() && currentText() != before) update();
}

void TFlatComboBox::changeEvent(QEvent* e) {
    QComboBox::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        update();
    } else if (e->type() == QEvent::FontChange) {
        itemHeight_ = 13;
        if (isEditable()) lineEdit()->setGeometry(EditRect());
        update();
    }
}

// ---- painting ------------------------------------------------------------------------------

void TFlatComboBox::PaintFrame(gdi::TCanvas& c) {
    TRect r{0, 0, width() - (arrowButtonWidth_ + 1), height()};
    c.FrameRect(r, colorBorder_);
    r.Inflate(-1, -1);
    c.FrameRect(r, color());
    r.Inflate(-1, -1);
    c.FrameRect(r, color());
}

void TFlatComboBox::PaintArrowButton(gdi::TCanvas& c) {
    TRect b = ArrowButtonRect();
    b.Inflate(1, 0);
    c.FillRect(b, colorArrowBackground_);
    c.FrameRect(b, colorBorder_);
    const int x = b.Left + b.Width() / 2 - 6;
    const int y = b.Top + b.Height() / 2 - 1;
    auto triangle = [&](int x0, int y0, TColor col) {
        c.Pen.Color = col;
        c.Pen.Style = gdi::psSolid;
        c.Pen.Width = 1;
        c.Brush.Color = col;
        c.Brush.Style = gdi::bsSolid;
        if (droppedDown_)
            c.Polygon({{x0 + 4, y0 + 2}, {x0 + 8, y0 + 2}, {x0 + 6, y0}});
        else
            c.Polygon({{x0 + 4, y0}, {x0 + 8, y0}, {x0 + 6, y0 + 2}});
    };
    if (isEnabled()) {
        triangle(x, y, colorArrow_);
    } else {
        triangle(x + 1, y + 1, gdi::clWhite);
        triangle(x, y, gdi::RGB(128, 128, 128));
    }
}

void TFlatComboBox::PaintSelection(gdi::TCanvas& c) {
    const int cw = width(), ch = height();
    const bool focusedClosed = hasFocus() && !droppedDown_;
    const TRect strip{cw - arrowButtonWidth_ - 10, 3, cw - (arrowButtonWidth_ + 5), ch - 3};
    c.FillRect(strip, focusedClosed ? gdi::clHighlight : color());
    if (focusedClosed) {
        c.FrameRect({3, 3, cw - 3 - (arrowButtonWidth_ + 2), ch - 3}, gdi::clHighlight);
        c.Brush.Color = gdi::clWindow;
    }
}

void TFlatComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    gdi::TCanvas c;
    c.Begin(&p);
    c.Font = font();
    const int w = width(), h = height();
    c.FillRect({0, 0, w, h}, color());

    if (ListStyle()) {
        // The selected item as the list styles show it: highlighted while focused and closed.
        const bool focusedClosed = hasFocus() && !droppedDown_;
        const TRect area{3, 3, w - systemButtonWidth_ - 2, h - 3};
        if (focusedClosed) c.FillRect(area, gdi::clHighlight);
        TRect tr{area.Left + 1, area.Top, area.Right, area.Bottom};
        c.Brush.Style = gdi::bsClear;
        c.FontColor = !isEnabled()    ? gdi::clGrayText
                      : focusedClosed ? gdi::clHighlightText
                                      : fontColor_;
        c.DrawText(currentText(), tr, gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOPREFIX);
        c.Brush.Style = gdi::bsSolid;
        PaintSelection(c);
    } else if (style_ == csDropDown && droppedDown_) {
        c.FrameRect({2, 2, w - arrowButtonWidth_ - 3, h - 2}, gdi::clWindow);
    }
    PaintFrame(c);
    PaintArrowButton(c);
    c.End();
}

} // namespace flat
