// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flat buttons of the pages' strips ("RTF", "CSV", "Imprimir...", "T",
// "N"): a caption, raised only under the pointer, with a hint.

#include <QString>

class QToolButton;

namespace kalto {

// `hint` is the tool tip, or "tool tip|status tip".
[[nodiscard]] QToolButton* NewSpeedButton(const QString& caption, const QString& hint);

}  // namespace kalto
