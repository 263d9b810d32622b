#include "gdi/fonts.h"

#include <QStringList>

namespace gdi {

void InstallFontSubstitutes() {
    // The Chinese fonts come last in each list so that Latin text keeps its own face and
    // Chinese characters still find glyphs.
    const QString hei = QStringLiteral("WenQuanYi Zen Hei");
    const QString song = QStringLiteral("AR PL UMing CN");
    const QString sans = QStringLiteral("DejaVu Sans");
    const QString arial = QStringLiteral("Liberation Sans");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {sans, hei, song});
    QFont::insertSubstitutions(QStringLiteral("宋体"), {song, hei, sans});
    QFont::insertSubstitutions(QStringLiteral("SimSun"), {song, hei, sans});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {hei, song, sans});
    QFont::insertSubstitutions(QStringLiteral("SimHei"), {hei, song, sans});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {arial, sans, hei});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), {arial, sans, hei});
}

QFont MakeFont(const QString& family, int height, bool bold) {
    QFont f(family);
    if (height < 0)
        f.setPixelSize(-height);
    else if (height > 0)
        f.setPointSize(height);
    f.setBold(bold);
    return f;
}

QFont DefaultFont() {
    return MakeFont(QStringLiteral("MS Sans Serif"), -11);
}

} // namespace gdi
