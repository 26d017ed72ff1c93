// The pages of the Tip of the Day and how the dialog moves through them.
#pragma once

#include <string_view>

namespace vis {

inline constexpr int kTipCount = 28;

std::string_view TipText(int page);

// The page the dialog opens on: the one after the page shown last, and the
// first page after the last or for an index that is no page.
int TipsPageAtOpening(int lastShown);
int NextTipPage(int page);
int PreviousTipPage(int page);

}  // namespace vis
