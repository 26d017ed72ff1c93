// Each family of pictures and sounds queues the jobs that draw it.
#pragma once

#include <vector>

#include "library_writer.h"

namespace vis {

void QueueCardFaces(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueCardBacks(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueBackgrounds(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueTablePictures(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueScreenPictures(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueControlPictures(std::vector<Job>& jobs, LibraryWriter& writer);
void QueuePointerShapes(std::vector<Job>& jobs, LibraryWriter& writer);
void QueueSounds(std::vector<Job>& jobs, LibraryWriter& writer);

}  // namespace vis
