#pragma once

#include <QAccessibleWidget>

#include <array>

namespace calendar_ui {

class TChnCalendarPicker;
class TDownButton;
class TDropDownForm;
class TMonthDayEdit;

// What a screen reader sees of a picker: a group of the three date fields, the drop-down
// button and, once made, the drop-down with its month calendar (a pop-up window is no child
// of the application's tree, so it hangs here, as a combo box's list does). Its value is the
// date as the fields show it ("2026-12-8") and its description the lunar date beside them.
class TChnCalendarPickerAccessible : public QAccessibleWidget {
public:
    explicit TChnCalendarPickerAccessible(TChnCalendarPicker* picker);
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    // The drop-down, without making it; null before the first drop-down.
    QAccessibleInterface* dropDown() const;
};

// The drop-down button: a push button whose press action drops the calendar down.
class TDownButtonAccessible : public QAccessibleWidget {
public:
    explicit TDownButtonAccessible(TDownButton* button);
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// The drop-down window, whose parent in the reader's tree is its picker.
class TDropDownFormAccessible : public QAccessibleWidget {
public:
    explicit TDropDownFormAccessible(TDropDownForm* form);
    QAccessibleInterface* parent() const override;
};

// Lets Qt's accessibility find the interfaces above (installed once) and gives a picker's
// fields and drop-down button their names.
void SetUpPickerAccessibility(const std::array<TMonthDayEdit*, 3>& fields, TDownButton* button);
// Tells a screen reader that the picker's date, and so its value and description, changed.
void NotifyPickerDateChanged(TChnCalendarPicker* picker);

} // namespace calendar_ui
