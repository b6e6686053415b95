#pragma once
// The game's instructions for the help panel.
#include <QString>
#include <optional>

class QWidget;

// Writes the instructions (TEXT 107) to a temporary "~rs" file, reads them
// back line by line, each line followed by a line break, and gives the text
// up to its first NUL; the file is gone afterwards, whatever happened. A
// failure (no file, a failed write, a failed read) removes the file, then
// shows its message box over messageParent and gives nothing, so the panel
// keeps the text it had.
std::optional<QString> LoadHelpText(QWidget *messageParent);
