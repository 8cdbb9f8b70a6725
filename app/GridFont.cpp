// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridFont.h"

#include <QFontInfo>
#include <QStyle>
#include <QTableView>

namespace kalto {

namespace {
// Below this a grid would be hard to read; its texts are clipped instead.
constexpr int SmallestPixelSize = 9;
}  // namespace

QFont FittingGridFont(const QFont& base, const std::function<bool(const QFont&)>& fits) {
    QFont font = base;
    for (int size = QFontInfo(base).pixelSize(); size >= SmallestPixelSize; --size) {
        font.setPixelSize(size);
        for (const int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
            font.setStretch(stretch);
            if (fits(font)) {
                return font;
            }
        }
    }
    return font;
}

int GridCellMargin(const QTableView* grid) {
    return grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
}

int GridTextRoom(const QTableView* grid, int width) {
    const int gridLine = grid->showGrid() ? 1 : 0;
    return width - gridLine - 2 * GridCellMargin(grid);
}

}  // namespace kalto
