#include "flat/flat_button_accessible.h"

#include "flat/flat_button.h"
#include "gdi/prefix_text.h"

namespace flat {
namespace {

QAccessibleInterface* FlatButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(TFlatButton::staticMetaObject.className())) return nullptr;
    auto* button = qobject_cast<TFlatButton*>(object);
    return button ? new TFlatButtonAccessible(button) : nullptr;
}

} // namespace

TFlatButtonAccessible::TFlatButtonAccessible(TFlatButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

TFlatButton* TFlatButtonAccessible::button() const {
    return static_cast<TFlatButton*>(widget());
}

QString TFlatButtonAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QString name = widget()->accessibleName();
    // The caption as it is shown: "&x" reads as x.
    return name.isEmpty() ? gdi::ParsePrefix(button()->caption()).Shown : name;
}

QAccessible::State TFlatButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const TFlatButton* b = button();
    if (b->groupIndex() != 0) s.checkable = true;
    s.checked = b->down();
    s.pressed = b->state() == stPressed;
    s.hotTracked = b->hovered();
    return s;
}

QStringList TFlatButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void TFlatButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    TFlatButton* b = button();
    if (!b->isEnabled()) return;
    // As the button's accelerator: a grouped button latches, then the click follows.
    if (b->groupIndex() != 0) b->setDown(true);
    b->Click();
}

void InstallFlatButtonAccessibility() {
    static const bool installed = (QAccessible::installFactory(&FlatButtonFactory), true);
    (void)installed;
}

} // namespace flat
