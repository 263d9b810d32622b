#include "gdi/control_color.h"

#include "gdi/system_palette.h"

#include <QApplication>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace gdi {
namespace {
constexpr const char* kColorProperty = "Color";
}

QEvent::Type ParentColorChangedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type SysColorChangedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TColor ControlColor(const QWidget* w) {
    if (w == nullptr) return clBtnFace;
    const QVariant v = w->property(kColorProperty);
    return v.isValid() ? static_cast<TColor>(v.toInt()) : clBtnFace;
}

namespace {
// The palette's window colour follows Color, so that a widget filling its background (and
// a parent painted under a see-through control) shows it.
void SyncPalette(QWidget* w, TColor c) {
    const QColor q = ToQColor(c);
    if (w->palette().color(QPalette::Window) == q) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, q);
    w->setPalette(pal);
}
} // namespace

void SetControlColor(QWidget* w, TColor c) {
    if (w == nullptr) return;
    const QVariant old = w->property(kColorProperty);
    const bool changed = !old.isValid() || old.toInt() != c;
    w->setProperty(kColorProperty, static_cast<int>(c));
    SyncPalette(w, c);
    w->update();
    if (changed) NotifyChildrenColorChanged(w);
}

void NotifyChildrenColorChanged(QWidget* w) {
    // Copy first: a child's handler may create or delete siblings.
    QList<QPointer<QWidget>> kids;
    for (QObject* o : w->children())
        if (auto* k = qobject_cast<QWidget*>(o)) kids.append(k);
    for (const auto& k : kids) {
        if (!k) continue;
        QEvent e(ParentColorChangedEvent());
        QCoreApplication::sendEvent(k, &e);
    }
}

void NotifySysColorChange() {
    // The application's palettes are made from the table too.
    if (UsesSystemColorsEverywhere()) UseSystemColorsEverywhere();
    QList<QPointer<QWidget>> all;
    for (QWidget* w : QApplication::allWidgets())
        all.append(w);
    for (const auto& w : all)
        if (w && w->property(kColorProperty).isValid()) SyncPalette(w, ControlColor(w));
    for (const auto& w : all) {
        if (!w) continue;
        QEvent e(SysColorChangedEvent());
        QCoreApplication::sendEvent(w, &e);
    }
}

bool HasActiveWindow() {
    return QApplication::activeWindow() != nullptr;
}

} // namespace gdi
