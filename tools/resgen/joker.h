// The joker: a jester shared by every face set.
#pragma once

#include <QImage>

#include "app/resource_names.h"

namespace vis {

QImage DrawJoker(const CardSize& size);

}  // namespace vis
