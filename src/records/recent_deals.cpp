#include "records/recent_deals.h"

namespace vis {

void RememberDealNumber(GameContext&) {}

}  // namespace vis
