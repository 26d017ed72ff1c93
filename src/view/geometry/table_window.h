// The part of a window the table is laid out in, gathered by the UI and
// handed to the layout.
#pragma once

#include <optional>

namespace vis {

struct TableWindow {
    int top = 5;             // first usable y below the panels
    int width = 0;           // usable width
    int bottom = 0;          // last usable y
    int formHeight = 0;      // height of the whole window
    int scrollPosition = 0;  // where the vertical scroll bar stands
};

// What the main window knows about itself. A panel that is hidden has no
// bottom edge.
struct MainWindowFacts {
    std::optional<int> demoPanelBottom;
    std::optional<int> largeToolbarBottom;
    std::optional<int> smallToolbarBottom;
    int windowWidth = 0;
    int scrollBarWidth = 0;
    int clientHeight = 0;
    int windowHeight = 0;
    int scrollPosition = 0;
};

// The table of the main window: it starts below the first visible of the
// demo panel and the two toolbar panels, 5 pixels down when none shows.
TableWindow MainWindowTable(const MainWindowFacts& facts);

// The table of a game preview drawn into an image of the given size.
TableWindow PreviewTable(int imageWidth, int imageHeight);

}  // namespace vis
