#include "app/toolbar_glyphs.h"

#include <QIcon>
#include <QPixmap>

#include "media/resource_library.h"
#include "media/resource_names.h"

namespace vis {

void SetToolbarIcons(const std::map<Command, QAction*>& actions, const ResourceLibrary& library) {
    for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
        const std::string_view name = kToolbarCommands[i];
        QIcon icon;
        for (const bool large : {false, true}) {
            const QImage normal = library.Bitmap(ToolbarGlyphName(name, large, false));
            const QImage disabled = library.Bitmap(ToolbarGlyphName(name, large, true));
            if (!normal.isNull()) icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
            if (!disabled.isNull()) icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
        }
        actions.at(kToolbarButtons[i].command)->setIcon(icon);
    }
}

}  // namespace vis
