#pragma once

#include <QAccessibleWidget>

namespace flat {

class TFlatButton;

// What a screen reader sees of a flat button: a push button named by its caption (or by the
// accessible name its owner gave it, for a button that shows only a picture), pressed by the
// reader's press action as by its accelerator.
class TFlatButtonAccessible : public QAccessibleWidget {
public:
    explicit TFlatButtonAccessible(TFlatButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TFlatButton* button() const;
};

// Lets Qt's accessibility find TFlatButtonAccessible for every flat button; run once.
void InstallFlatButtonAccessibility();

} // namespace flat
