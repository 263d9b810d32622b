#include "calendar_ui/chn_calendar_picker.h"

#include "calendar/lunar_date.h"
#include "gdi/control_color.h"
#include "gdi/fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace calendar_ui {
namespace {

using namespace gdi;

constexpr int kEditHeight = 13;
constexpr int kDropDownWidth = 313;
constexpr int kDropDownHeight = 253;

QString YearText(int y) {
    return QStringLiteral("%1").arg(y, 4, 10, QLatin1Char('0'));
}

// A field's number, or the fallback when the text is not a decimal whole number.
int FieldNumber(const QString& text, int fallback) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : fallback;
}

} // namespace

// ---- pop-up --------------------------------------------------------------------------------

TDropDownForm::TDropDownForm(QWidget* owner) : QWidget(owner, Qt::Popup) {
    resize(kDropDownWidth, kDropDownHeight);
}

bool TDropDownForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) hide();
    return QWidget::event(e);
}

void TDropDownForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    for (QObject* o : children())
        if (auto* w = qobject_cast<TChnCalendar*>(o)) w->setGeometry(rect());
}

// ---- picker --------------------------------------------------------------------------------

TChnCalendarPicker::TChnCalendarPicker(QWidget* parent) : QWidget(parent) {
    setFont(DefaultFont());
    canvas_.Font = DefaultFont();
    setFocusPolicy(Qt::NoFocus);

    int y = 0, m = 0, d = 0;
    calendar::DecodeDate(calendar::Now(), y, m, d);
    yearEdit_ = new TMonthDayEdit(this);
    yearEdit_->setGeometry(3, 0, 25, kEditHeight);
    yearEdit_->setText(YearText(y));
    monthEdit_ = new TMonthDayEdit(this);
    monthEdit_->setGeometry(31, 0, 13, kEditHeight);
    monthEdit_->setText(QString::number(m));
    dayEdit_ = new TMonthDayEdit(this);
    dayEdit_->setGeometry(47, 0, 13, kEditHeight);
    dayEdit_->setText(QString::number(d));
    yearEdit_->setFitText(QStringLiteral("0000"));
    monthEdit_->setFitText(QStringLiteral("00"));
    dayEdit_->setFitText(QStringLiteral("00"));
    // Focus given to the picker (tab order, setFocus) goes to its first field.
    setFocusProxy(yearEdit_);

    downButton_ = new TDownButton(this);
    downButton_->OnClick = [this](QObject*) { DropDown(); };

    resize(170, 21);
    LayoutParts();
    SetControlColor(this, clWindow);

    FollowParentCtl3D();
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
}

// The pop-up and its calendar are made when first needed, so that starting a window with a
// picker costs no calendar work beyond the picker's own date.
TDropDownForm* TChnCalendarPicker::dropDownForm() const {
    if (!dropDownForm_) {
        auto* self = const_cast<TChnCalendarPicker*>(this);
        self->dropDownForm_ = new TDropDownForm(self);
        self->calendar_ = new TChnCalendar(dropDownForm_);
        calendar_->setGeometry(dropDownForm_->rect());
        calendar_->OnDateSelect = [self](QObject*) { self->CalendarDateSelect(); };
        calendar_->OnChange = [self](QObject*) {
            if (self->OnChange) self->OnChange(self);
        };
    }
    return dropDownForm_;
}

TChnCalendar* TChnCalendarPicker::chnCalendar() const {
    dropDownForm();
    return calendar_;
}

TChnCalendarPicker::~TChnCalendarPicker() {
    disconnect(focusConnection_);
}

// ---- date ------------------------------------------------------------------------------------

void TChnCalendarPicker::setDateTime(TDateTime v) {
    if (v == dateTime_) return;
    int y = 0, m = 0, d = 0;
    // Not a date in years 1..9999 (NaN among them): there is nothing to show for it.
    if (!calendar::DecodeDate(v, y, m, d)) return;
    dateTime_ = v;
    yearEdit_->setText(YearText(y));
    monthEdit_->setText(QString::number(m));
    dayEdit_->setText(QString::number(d));

    chnCal_.Update(v);
    // The record keeps its old texts for a date it cannot convert; those would describe
    // another day.
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    if (calendar::LunarDateOf(y, m, d, ly, lm, ld, leap))
        cnDateText_ = QString::fromStdString(chnCal_.YearGanZhi + chnCal_.AnimalsYear +
                                             chnCal_.CnMonth + chnCal_.CnDay);
    else
        cnDateText_.clear();
    update();
}

void TChnCalendarPicker::CreateWnd() {
    windowCreated_ = true;
    setDateTime(calendar::Now());
}

// ---- properties ------------------------------------------------------------------------------

void TChnCalendarPicker::setFrameColor(TColor c) {
    frameColor_ = c;
    update();
}

void TChnCalendarPicker::setCnDateColor(TColor c) {
    if (cnDateColor_ == c) return;
    cnDateColor_ = c;
    update();
}

void TChnCalendarPicker::setButtonColor(TColor c) {
    if (buttonColor_ == c) return;
    buttonColor_ = c;
    update();
}

TColor TChnCalendarPicker::color() const {
    return ControlColor(this);
}

void TChnCalendarPicker::setColor(TColor c) {
    parentColor_ = false;
    SetControlColor(this, c);
}

void TChnCalendarPicker::setParentColor(bool v) {
    if (parentColor_ == v) return;
    parentColor_ = v;
    if (v) FollowParentColor();
}

void TChnCalendarPicker::FollowParentColor() {
    if (parentColor_ && parentWidget() != nullptr)
        SetControlColor(this, ControlColor(parentWidget()));
}

void TChnCalendarPicker::setParentBackground(bool v) {
    if (parentBackground_ == v) return;
    parentBackground_ = v;
    update();
}

void TChnCalendarPicker::setCtl3D(bool v) {
    parentCtl3D_ = false;
    if (ctl3D_ == v) return;
    ctl3D_ = v;
    downButton_->setCtl3D(v);
    LayoutParts();
    update();
}

void TChnCalendarPicker::setParentCtl3D(bool v) {
    if (parentCtl3D_ == v) return;
    parentCtl3D_ = v;
    if (v) FollowParentCtl3D();
}

void TChnCalendarPicker::FollowParentCtl3D() {
    if (!parentCtl3D_ || parentWidget() == nullptr) return;
    const QVariant p = parentWidget()->property("Ctl3D");
    setCtl3D(!p.isValid() || p.toBool());
    parentCtl3D_ = true;
}

void TChnCalendarPicker::setFontColor(TColor c) {
    if (fontColor_ == c) return;
    fontColor_ = c;
    update();
}

void TChnCalendarPicker::setVisualStyles(bool v) {
    if (visualStyles_ == v) return;
    visualStyles_ = v;
    downButton_->setVisualStyles(v);
    LayoutParts();
    update();
}

// ---- layout ----------------------------------------------------------------------------------

void TChnCalendarPicker::LayoutParts() {
    const int top = (height() - yearEdit_->height()) / 2;
    yearEdit_->move(yearEdit_->x(), top);
    monthEdit_->move(monthEdit_->x(), top);
    dayEdit_->move(dayEdit_->x(), top);

    TRect r = TRect::FromQRect(rect());
    const int inset = visualStyles_ ? 1 : (ctl3D_ ? 2 : 1);
    r.Inflate(-inset, -inset);
    const int w = gdi::GetSystemMetrics(gdi::SM_CXVSCROLL);
    if (layoutDirection() == Qt::RightToLeft)
        r.Right = r.Left + w;
    else
        r.Left = r.Right - w;
    downButton_->setGeometry(r.ToQRect());
}

void TChnCalendarPicker::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayoutParts();
}

// ---- drop-down -------------------------------------------------------------------------------

void TChnCalendarPicker::DropDown() {
    const TDateTime now = calendar::Now();
    int ty = 0, tm = 0, td = 0;
    calendar::DecodeDate(now, ty, tm, td);
    const int y = FieldNumber(yearEdit_->text(), ty);
    const int m = FieldNumber(monthEdit_->text(), tm);
    const int d = FieldNumber(dayEdit_->text(), td);
    TDateTime t = now;
    calendar::TryEncodeDate(y, m, d, t); // leaves now in t for an impossible date
    chnCalendar()->setDateTime(t);
    PlaceAndShowDropDown();
}

QRect TChnCalendarPicker::PlaceDropDown(const QRect& workArea, QPoint p, int pickerHeight,
                                        QSize form) {
    const int waLeft = workArea.x(), waTop = workArea.y();
    const int waRight = waLeft + workArea.width(), waBottom = waTop + workArea.height();
    int left = p.x();
    int top = p.y() + pickerHeight + 1;
    int w = form.width(), h = form.height();

    w = std::min(w, workArea.width());
    if (left + w > waRight) left = waRight - w;
    if (left < waLeft) left = waLeft;
    if (top + h > waBottom && p.y() - waTop > waBottom - p.y() - pickerHeight) top = p.y() - h;
    if (top < waTop) {
        h -= waTop - top;
        top = waTop;
    }
    if (top + h > waBottom) h = waBottom - top;
    return QRect(left, top, w, h);
}

void TChnCalendarPicker::PlaceAndShowDropDown() {
    QScreen* s = screen();
    const QRect work = s != nullptr ? s->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    dropDownForm()->setGeometry(
        PlaceDropDown(work, mapToGlobal(QPoint(0, 0)), height(), dropDownForm()->size()));
    dropDownForm()->show();
}

void TChnCalendarPicker::CalendarDateSelect() {
    setDateTime(calendar_->dateTime());
    dropDownForm()->hide();
}

// ---- painting --------------------------------------------------------------------------------

void TChnCalendarPicker::ApplyColorToEdits() {
    const QColor q = ToQColor(color());
    for (TMonthDayEdit* e : {yearEdit_, monthEdit_, dayEdit_}) {
        if (e->palette().color(QPalette::Base) == q) continue;
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, q);
        pal.setColor(QPalette::Window, q);
        e->setPalette(pal);
    }
}

void TChnCalendarPicker::Paint3D(TCanvas& c, const TRect& client) {
    ApplyColorToEdits();
    c.Pen.Color = frameColor_;
    c.Brush.Color = color();
    c.FillRect(client);

    // The classic sunken edge: shadow over highlight outside, shadow over face inside.
    TRect r = client;
    c.FillRect(r, clBtnHighlight);
    c.FrameRect(r, clBtnHighlight);
    c.Pen.Color = clBtnShadow;
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Left, r.Bottom - 1);
    r.Inflate(-1, -1);
    c.FrameRect(r, clBtnFace);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Left, r.Bottom - 1);

    c.Pen.Color = frameColor_;
    c.Brush.Color = color();
}

void TChnCalendarPicker::PaintStyled() {
    QPainter painter(this);
    QStyleOptionComboBox opt;
    opt.initFrom(this);
    opt.editable = true;
    opt.subControls = QStyle::SC_ComboBoxFrame | QStyle::SC_ComboBoxEditField;
    opt.state &= ~QStyle::State_MouseOver;
    if (hovered_) opt.state |= QStyle::State_MouseOver;
    style()->drawComplexControl(QStyle::CC_ComboBox, &opt, &painter, this);
}

void TChnCalendarPicker::paintEvent(QPaintEvent*) {
    const TRect client = TRect::FromQRect(rect());
    if (ctl3D_ && visualStyles_) PaintStyled();

    QPainter painter(this);
    canvas_.Begin(&painter);
    if (!ctl3D_)
        canvas_.Rectangle(client);
    else if (!visualStyles_)
        Paint3D(canvas_, client);

    canvas_.Brush.Style = bsSolid;
    canvas_.FontColor = fontColor_;
    const int y = (height() - canvas_.TextHeight(QStringLiteral("A"))) / 2;
    canvas_.TextOut(28, y, QStringLiteral("-"));
    canvas_.TextOut(43, y, QStringLiteral("-"));
    canvas_.FontColor = cnDateColor_;
    canvas_.TextOut(64, y, cnDateText_);
    canvas_.FontColor = fontColor_;
    canvas_.End();
}

// ---- events ----------------------------------------------------------------------------------

bool TChnCalendarPicker::event(QEvent* e) {
    const QEvent::Type t = e->type();
    if (t == ParentColorChangedEvent() || t == SysColorChangedEvent()) {
        FollowParentColor();
        update();
        return true;
    }
    if (t == QEvent::ParentChange) {
        // A new parent means a new window, which starts on today again.
        windowCreated_ = false;
        FollowParentColor();
        FollowParentCtl3D();
    }
    return QWidget::event(e);
}

void TChnCalendarPicker::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!windowCreated_) CreateWnd();
}

void TChnCalendarPicker::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LayoutDirectionChange) LayoutParts();
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
    QWidget::changeEvent(e);
}

void TChnCalendarPicker::enterEvent(QEnterEvent* e) {
    if (!hovered_) {
        hovered_ = true;
        update();
    }
    QWidget::enterEvent(e);
}

void TChnCalendarPicker::leaveEvent(QEvent* e) {
    if (hovered_) {
        hovered_ = false;
        update();
    }
    QWidget::leaveEvent(e);
}

void TChnCalendarPicker::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) mouseDown_ = true;
    if (OnMouseDown) OnMouseDown(this, e);
}

void TChnCalendarPicker::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        e->button() == Qt::LeftButton && mouseDown_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) mouseDown_ = false;
    QPointer<TChnCalendarPicker> self(this);
    if (OnMouseUp) OnMouseUp(this, e);
    if (self && click && OnClick) OnClick(this);
}

void TChnCalendarPicker::mouseDoubleClickEvent(QMouseEvent* e) {
    if (OnDblClick) OnDblClick(this);
    if (OnMouseDown) OnMouseDown(this, e);
}

void TChnCalendarPicker::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) OnMouseMove(this, e);
}

void TChnCalendarPicker::FocusChanged(QWidget* old, QWidget* now) {
    const auto inside = [this](QWidget* w) { return w != nullptr && isAncestorOf(w); };
    const bool was = inside(old), is = inside(now);
    if (!was && is && OnEnter) OnEnter(this);
    if (was && !is && OnExit) OnExit(this);
}

} // namespace calendar_ui
