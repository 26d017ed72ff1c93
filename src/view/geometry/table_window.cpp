#include "view/geometry/table_window.h"

namespace vis {

TableWindow MainWindowTable(const MainWindowFacts& facts) {
    TableWindow table;
    table.top = facts.demoPanelBottom.value_or(
        facts.largeToolbarBottom.value_or(facts.smallToolbarBottom.value_or(5)));
    table.width = facts.windowWidth - facts.scrollBarWidth;
    table.bottom = facts.clientHeight - 1;
    table.formHeight = facts.windowHeight;
    table.scrollPosition = facts.scrollPosition;
    return table;
}

TableWindow PreviewTable(int imageWidth, int imageHeight) {
    TableWindow table;
    table.top = 3;
    table.width = imageWidth;
    table.bottom = imageHeight;
    table.formHeight = imageHeight;
    return table;
}

}  // namespace vis
