// The pictures of the record dialogs, drawn rather than stored: the share
// of lost games as a pie, and the cup of the hi-scores.
#pragma once

#include <QColor>
#include <QPixmap>

namespace vis {

// The lost share p (0-100, or -1 for no games) as the step of the pie that
// shows it: 100, else the largest multiple of 2.5 from 50 up to 97.5 not
// above max(p, 100 - p); negative when there are no games. Shares below
// 50 are drawn from the same steps with the colours exchanged.
double PieStep(int lostPercent);

// The pie for a lost share: lost in red, won in green, centred on the
// background colour; a grey disc for no games.
QPixmap PiePicture(int lostPercent, const QColor& background, int size = 64);

// The hi-scores' cup; with `newScore`, with a star for the new entry.
QPixmap HiScorePicture(bool newScore, int size = 64);

}  // namespace vis
