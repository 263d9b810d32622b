#include "gdi/geometry.h"

#include <algorithm>

namespace gdi {

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (a.IsEmpty() || b.IsEmpty() || r.IsEmpty()) {
        dst = TRect{};
        return false;
    }
    dst = r;
    return true;
}

} // namespace gdi
