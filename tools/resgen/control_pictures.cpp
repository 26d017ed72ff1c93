#include "control_pictures.h"

#include "families.h"
#include "media/resource_names.h"
#include "model/catalog.h"

namespace vis {

void QueueControlPictures(std::vector<Job>& jobs, LibraryWriter& writer) {
    jobs.push_back([&writer] {
        for (std::string_view command : kToolbarCommands) {
            for (bool large : {false, true}) {
                const int size = large ? kLargeGlyphSize : kSmallGlyphSize;
                for (bool disabled : {false, true}) {
                    writer.AddBitmap(ToolbarGlyphName(command, large, disabled),
                                     DrawToolbarGlyph(command, size, disabled));
                }
            }
        }
    });
    jobs.push_back([&writer] {
        for (std::string_view name : kTreeIconNames) writer.AddBitmap(name, DrawTreeIcon(name));
        for (int type : GameTypesWithPictures()) {
            writer.AddBitmap(TypePictureName(type), DrawTypePicture(type));
        }
    });
    jobs.push_back([&writer] {
        for (int suit = 0; suit < 4; ++suit) {
            writer.AddBitmap(CounterRowLabelName(suit), DrawCounterRowLabel(suit));
            writer.AddBitmap(SuitSymbolName(suit), DrawSuitSymbol(suit));
        }
        writer.AddBitmap(kCounterEmptyCellName, DrawCounterEmptyCell());
        for (int rank = 1; rank <= 13; ++rank) {
            writer.AddBitmap(CounterCellName(rank, true), DrawCounterCell(rank, true));
            writer.AddBitmap(CounterCellName(rank, false), DrawCounterCell(rank, false));
        }
        writer.AddBitmap(kSortUpName, DrawSortArrow(true));
        writer.AddBitmap(kSortDownName, DrawSortArrow(false));
    });
    jobs.push_back([&writer] {
        for (std::string_view name : kEffectPreviewNames) {
            writer.AddBitmap(name, DrawEffectPreview(name));
        }
        writer.AddBitmap(kAnimatedYesName, DrawAnimatedStrip(true));
        writer.AddBitmap(kAnimatedNoName, DrawAnimatedStrip(false));
    });
}

}  // namespace vis
