#include "gdi/prefix_text.h"

namespace gdi {

TPrefixText ParsePrefix(const QString& text) {
    TPrefixText result;
    result.Shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 == text.size()) break; // a trailing "&" shows nothing
            ++i;
            if (text[i] != u'&') {
                result.Underline = int(result.Shown.size());
                if (result.Accelerator.isNull()) result.Accelerator = text[i];
            }
        }
        result.Shown.append(text[i]);
    }
    return result;
}

} // namespace gdi
