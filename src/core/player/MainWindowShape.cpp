// The main window's outline: rounded top corners and the two feet under the panel.
#include "player/MainWindowShape.h"

namespace felux {

std::vector<Rect> PanelRegion() {
    std::vector<Rect> spans;
    spans.push_back({1, 0, 404, 1});
    for (int y = 1; y <= 44; ++y) spans.push_back({0, y, 406, 1});
    spans.push_back({1, 45, 404, 1});
    for (int y = 46; y <= 47; ++y) {
        spans.push_back({22, y, 65, 1});
        spans.push_back({319, y, 65, 1});
    }
    return spans;
}

}  // namespace felux
