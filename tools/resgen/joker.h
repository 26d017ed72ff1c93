// The joker: a jester shared by every face set.
#pragma once

#include <QImage>

#include "media/resource_names.h"

namespace vis {

QImage DrawJoker(const CardSize& size);

}  // namespace vis
