#pragma once

#include <QChar>
#include <QString>

namespace gdi {

// A caption with its "&" prefixes resolved, the one reading of them that text drawing and
// keyboard accelerators share: "&&" shows one "&", "&x" shows x, a trailing "&" shows nothing.
struct TPrefixText {
    QString Shown;
    int Underline = -1; // index in Shown of the character after the last "&x"; -1 for none
    QChar Accelerator;  // the character after the first "&x"; null for none
};

TPrefixText ParsePrefix(const QString& text);

} // namespace gdi
