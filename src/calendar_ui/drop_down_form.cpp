#include "calendar_ui/drop_down_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace calendar_ui {
namespace {

constexpr int kDropDownWidth = 313;
constexpr int kDropDownHeight = 253;

// The focus a click gives: to the innermost widget under it that takes focus by clicking.
void GiveClickFocus(QWidget* target) {
    for (QWidget* w = target; w != nullptr; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (w->isWindow()) return;
    }
}

} // namespace

TDropDownForm::TDropDownForm(QWidget* owner) : QWidget(owner, Qt::Popup) {
    resize(kDropDownWidth, kDropDownHeight);
    // The press that closes the pop-up is passed on here, in the same way on every platform;
    // Qt's own replay (where a platform has it) would deliver it a second time.
    setAttribute(Qt::WA_NoMouseReplay);
}

bool TDropDownForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) hide();
    return QWidget::event(e);
}

void TDropDownForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The window system places a pop-up relative to the window it belongs to (Wayland knows
    // no global positions): that is the owner's window, also after the owner moved to another.
    QWindow* handle = windowHandle();
    if (handle == nullptr || parentWidget() == nullptr) return;
    QWindow* ownerWindow = parentWidget()->window()->windowHandle();
    if (handle->transientParent() != ownerWindow) handle->setTransientParent(ownerWindow);
}

void TDropDownForm::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape:
        hide();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OnAccept) OnAccept();
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

// While the pop-up is open it receives every press, also those outside it.
void TDropDownForm::mousePressEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) {
        QWidget::mousePressEvent(e);
        return;
    }
    e->accept();
    hide();
    QWidget* target = QApplication::widgetAt(e->globalPosition().toPoint());
    if (target != nullptr && !ClosesOnly(target)) PassPressOn(target, *e);
}

bool TDropDownForm::ClosesOnly(const QWidget* target) const {
    return closeOnlyOver_ != nullptr &&
           (target == closeOnlyOver_ || closeOnlyOver_->isAncestorOf(target));
}

// Delivers the press to the window under it as the window system would have, so that the
// widget there gets it (and the release that follows), after giving the focus a click gives.
void TDropDownForm::PassPressOn(QWidget* target, const QMouseEvent& press) {
    GiveClickFocus(target);
    QWidget* top = target->window();
    QWindow* handle = top->windowHandle();
    if (handle == nullptr) return;
    const QPointF global = press.globalPosition();
    const QPointF local = top->mapFromGlobal(global);
    QMouseEvent replay(QEvent::MouseButtonPress, local, local, global, press.button(),
                       press.buttons(), press.modifiers(), press.pointingDevice());
    QCoreApplication::sendEvent(handle, &replay);
}

void TDropDownForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w != nullptr && !w->isWindow())
            w->setGeometry(rect());
}

} // namespace calendar_ui
