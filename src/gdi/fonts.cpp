#include "gdi/fonts.h"

#include <QStringList>

namespace gdi {
namespace {

const QString kArialBlack = QStringLiteral("Arial Black");

} // namespace

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
    // Its stand-in is asked for at black weight (see SetFontFamily) and gets the heaviest
    // face of the first family: DejaVu Sans Bold, whose wide digits of equal width take the
    // room that the title leaves for a four-digit year.
    QFont::insertSubstitutions(kArialBlack, {sans, arial, hei});
}

void SetFontFamily(QFont& font, const QString& family) {
    font.setFamily(family);
    // Its regular face is its heavy one: the stand-in is asked for its heaviest face.
    if (family == kArialBlack) font.setWeight(QFont::Black);
}

QFont MakeFont(const QString& family, int height, bool bold) {
    QFont f(family);
    SetFontFamily(f, family);
    if (height < 0)
        f.setPixelSize(-height);
    else if (height > 0)
        f.setPointSize(height);
    if (bold) f.setBold(true);
    return f;
}

QFont DefaultFont() {
    return MakeFont(QStringLiteral("MS Sans Serif"), -11);
}

} // namespace gdi
