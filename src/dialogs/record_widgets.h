// Pieces the record dialogs build alike: the line that says what could not
// be read, and the row with the OK button on the right.
#pragma once

class QDialog;
class QHBoxLayout;
class QLabel;

namespace vis {

// A hidden, wrapping label in a warning colour.
QLabel* NewDamageLabel();
// A row whose OK button, on the right and the default, accepts `dialog`.
QHBoxLayout* NewOkRow(QDialog* dialog);

}  // namespace vis
