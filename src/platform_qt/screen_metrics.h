// The size of the primary screen in pixels, which centring and the maximised placement read.
#pragma once

#include <QSize>
#include <optional>

namespace vantrel::platform {

QSize PrimaryScreenSize();
// Tests pretend a screen of a given size; nothing restores the real one.
void SetPrimaryScreenSizeForTesting(std::optional<QSize> size);

}  // namespace vantrel::platform
