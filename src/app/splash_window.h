// The splash window shown while the program starts.
#pragma once

#include <memory>

class QSplashScreen;

namespace vis {

class ResourceLibrary;

// Shows the library's splash picture, or the title alone without one.
std::unique_ptr<QSplashScreen> ShowSplash(const ResourceLibrary& library);

}  // namespace vis
