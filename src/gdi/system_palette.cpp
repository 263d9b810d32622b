#include "gdi/system_palette.h"

#include "gdi/color.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace gdi {
namespace {

// The one style the controls are drawn with, whichever the desktop prefers.
constexpr const char* kStyleName = "Fusion";

// Classes a platform theme can give palettes of their own; those would win over the
// application's palette.
constexpr const char* kThemedClasses[] = {
    "QToolButton",      "QAbstractButton", "QCheckBox",
    "QRadioButton",     "QHeaderView",     "QAbstractItemView",
    "QMessageBoxLabel", "QTabBar",         "QLabel",
    "QGroupBox",        "QMenu",           "QMenuBar",
    "QTextEdit",        "QTextControl",    "QLineEdit",
    "QComboBox"};

QColor Mix(TColor a, TColor b) {
    const QColor x = ToQColor(a), y = ToQColor(b);
    return QColor((x.red() + y.red()) / 2, (x.green() + y.green()) / 2, (x.blue() + y.blue()) / 2);
}

// Roles that read the same in every group.
TColor CommonRoleColor(QPalette::ColorRole role) {
    switch (role) {
    case QPalette::Button:
    case QPalette::Window:
    case QPalette::AlternateBase:
        return clBtnFace;
    case QPalette::Light:
    case QPalette::BrightText:
        return clBtnHighlight;
    case QPalette::Midlight:
        return cl3DLight;
    case QPalette::Dark:
        return clBtnShadow;
    case QPalette::Shadow:
        return cl3DDkShadow;
    case QPalette::HighlightedText:
        return clHighlightText;
    case QPalette::Link:
    case QPalette::LinkVisited:
        return clHotLight;
    case QPalette::ToolTipBase:
        return clInfoBk;
    case QPalette::ToolTipText:
        return clInfoText;
    case QPalette::PlaceholderText:
        return clGrayText;
    case QPalette::WindowText:
    case QPalette::Text:
        return clWindowText;
    case QPalette::ButtonText:
        return clBtnText;
    case QPalette::Base:
        return clWindow;
    default:
        return clHighlight; // highlight, and roles newer Qt versions add (accent)
    }
}

QColor RoleColor(QPalette::ColorGroup group, QPalette::ColorRole role) {
    if (role == QPalette::Mid) return Mix(clBtnFace, clBtnShadow); // between face and shadow
    if (group == QPalette::Disabled) {
        switch (role) {
        case QPalette::WindowText:
        case QPalette::Text:
        case QPalette::ButtonText:
            return ToQColor(clGrayText);
        case QPalette::Base:
            return ToQColor(clBtnFace);
        default:
            break;
        }
    }
    return ToQColor(CommonRoleColor(role));
}

void UseDesktopIndependentStyle() {
    if (QApplication::style()->name().compare(QLatin1String(kStyleName), Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* style = QStyleFactory::create(QLatin1String(kStyleName)))
        QApplication::setStyle(style);
}

void ApplyPalettes() {
    const QPalette palette = SystemPalette();
    QApplication::setPalette(palette);
    for (const char* className : kThemedClasses)
        QApplication::setPalette(palette, className);
    QToolTip::setPalette(ToolTipPalette());
}

// A new desktop theme sets class and tooltip palettes of its own again.
class ThemeChangeWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ThemeChange) ApplyPalettes();
        return QObject::eventFilter(watched, event);
    }
};

QPointer<ThemeChangeWatcher>& Watcher() {
    static QPointer<ThemeChangeWatcher> watcher;
    return watcher;
}

} // namespace

QPalette SystemPalette() {
    QPalette palette;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (role == QPalette::NoRole) continue;
            palette.setColor(group, role, RoleColor(group, role));
        }
    }
    return palette;
}

QPalette ToolTipPalette() {
    QPalette palette = SystemPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::ToolTipBase, QPalette::Window, QPalette::Base})
            palette.setColor(group, role, ToQColor(clInfoBk));
        for (auto role : {QPalette::ToolTipText, QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, ToQColor(clInfoText));
    }
    return palette;
}

void UseSystemColorsEverywhere() {
    UseDesktopIndependentStyle();
    ApplyPalettes();
    if (!Watcher()) {
        Watcher() = new ThemeChangeWatcher(qApp);
        qApp->installEventFilter(Watcher());
    }
}

bool UsesSystemColorsEverywhere() {
    return !Watcher().isNull();
}

} // namespace gdi
