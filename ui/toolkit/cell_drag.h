// What a drag from the character palette carries: the number of the cell it started on,
// under a MIME type of our own, with the character as plain text for other programs.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QMimeData;
class QWidget;

namespace kbd::toolkit {

inline constexpr char kCellMimeType[] = "application/x-tavik-kbdgen-cell";

std::unique_ptr<QMimeData> CellMimeData(int cellNumber, const QString& text);

// The cell number a drag carries; nothing when the data holds no cell of ours.
std::optional<int> CellNumber(const QMimeData* data);

// Runs the drag from `source` until the button is released; returns at once when the
// platform has no drag and drop.
void StartCellDrag(QWidget* source, int cellNumber, const QString& text);

} // namespace kbd::toolkit
