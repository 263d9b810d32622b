#include "calendar_ui/picker_accessible.h"

#include "calendar_ui/chn_calendar_picker.h"

namespace calendar_ui {
namespace {

QAccessibleInterface* PickerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TChnCalendarPicker::staticMetaObject.className()))
        if (auto* picker = qobject_cast<TChnCalendarPicker*>(object))
            return new TChnCalendarPickerAccessible(picker);
    if (className == QLatin1String(TDownButton::staticMetaObject.className()))
        if (auto* button = qobject_cast<TDownButton*>(object))
            return new TDownButtonAccessible(button);
    if (className == QLatin1String(TDropDownForm::staticMetaObject.className()))
        if (auto* form = qobject_cast<TDropDownForm*>(object))
            return new TDropDownFormAccessible(form);
    return nullptr;
}

} // namespace

TChnCalendarPickerAccessible::TChnCalendarPickerAccessible(TChnCalendarPicker* picker)
    : QAccessibleWidget(picker, QAccessible::Grouping) {}

QString TChnCalendarPickerAccessible::text(QAccessible::Text t) const {
    const auto* picker = static_cast<const TChnCalendarPicker*>(widget());
    if (t == QAccessible::Value) {
        const auto fields = picker->dateFields();
        return fields[0]->text() + u'-' + fields[1]->text() + u'-' + fields[2]->text();
    }
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
        return picker->cnDateText();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TChnCalendarPickerAccessible::dropDown() const {
    auto* form = widget()->findChild<TDropDownForm*>(QString(), Qt::FindDirectChildrenOnly);
    return form ? QAccessible::queryAccessibleInterface(form) : nullptr;
}

int TChnCalendarPickerAccessible::childCount() const {
    return QAccessibleWidget::childCount() + (dropDown() ? 1 : 0);
}

QAccessibleInterface* TChnCalendarPickerAccessible::child(int index) const {
    const int parts = QAccessibleWidget::childCount();
    return index == parts ? dropDown() : QAccessibleWidget::child(index);
}

int TChnCalendarPickerAccessible::indexOfChild(const QAccessibleInterface* child) const {
    QAccessibleInterface* form = dropDown();
    return form && child == form ? QAccessibleWidget::childCount()
                                 : QAccessibleWidget::indexOfChild(child);
}

TDownButtonAccessible::TDownButtonAccessible(TDownButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QStringList TDownButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void TDownButtonAccessible::doAction(const QString& actionName) {
    auto* button = static_cast<TDownButton*>(widget());
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (button->isEnabled() && button->OnClick) button->OnClick(button);
}

TDropDownFormAccessible::TDropDownFormAccessible(TDropDownForm* form)
    : QAccessibleWidget(form, QAccessible::Window) {}

QAccessibleInterface* TDropDownFormAccessible::parent() const {
    QWidget* picker = widget()->parentWidget();
    return picker ? QAccessible::queryAccessibleInterface(picker) : QAccessibleWidget::parent();
}

void SetUpPickerAccessibility(const std::array<TMonthDayEdit*, 3>& fields, TDownButton* button) {
    static const bool installed = (QAccessible::installFactory(&PickerFactory), true);
    (void)installed;
    fields[0]->setAccessibleName(QStringLiteral("年"));
    fields[1]->setAccessibleName(QStringLiteral("月"));
    fields[2]->setAccessibleName(QStringLiteral("日"));
    button->setAccessibleName(QStringLiteral("打开日历"));
}

void NotifyPickerDateChanged(TChnCalendarPicker* picker) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent description(picker, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

} // namespace calendar_ui
