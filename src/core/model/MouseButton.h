// The mouse buttons the player tells apart when it remembers which one acted.
#pragma once

namespace felux {

enum class MouseButton { Left, Right };

}  // namespace felux
