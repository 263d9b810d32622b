#pragma once

#include <QLineEdit>
#include <QString>

namespace calendar_ui {

// One of the picker's three date fields: a borderless single-line edit whose text sits at the
// right (at the left in right-to-left reading order). Typing changes only its text; the picker
// reads it when it drops down.
class TMonthDayEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMonthDayEdit(QWidget* parent = nullptr);

    // The widest text the field has to show in full ("0000" for a year). When the inherited
    // font is too wide for it, the field narrows its font just enough.
    const QString& fitText() const { return fitText_; }
    void setFitText(const QString& text);

protected:
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FitFont();

    QString fitText_;
    bool fitting_ = false;
};

} // namespace calendar_ui
