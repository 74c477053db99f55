#include "support/win32/FitText.h"

#include "support/TextHelpers.h"

#include <climits>

namespace zul::Windows {

std::string FitText(HDC dc, std::string_view text, int maxWidth) {
    return zul::FitText(text, maxWidth, [dc](std::string_view part) {
        SIZE size{};
        int length = part.size() > INT_MAX ? INT_MAX : static_cast<int>(part.size());
        // A text that cannot be measured is left as it is.
        if (!GetTextExtentPoint32A(dc, part.data(), length, &size))
            return 0;
        return static_cast<int>(size.cx);
    });
}

} // namespace zul::Windows
