// The core's texts, which are UTF-8, as Qt strings: for the window, and for what is drawn
// beside it from the same tables (the benchmark's floor window, the soak's driver).
#pragma once

#include <QString>
#include <string_view>

namespace varnel::window {

// ToQString("FEET") == QStringLiteral("FEET").
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varnel::window
