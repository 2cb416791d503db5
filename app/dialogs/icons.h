#pragma once

#include <QIcon>
#include <QPixmap>
#include <cstdint>

namespace zev {

// The program's own pictures, drawn in code.
QIcon AppIcon();
// 16-pixel images of the tree and the list.
QIcon AttributeIcon(std::uint16_t nType, bool bHasChildren);
QIcon AlternativeIcon();
// The toolbar picture of a command (a null icon when it has none).
QIcon CommandIcon(int id);
// The splash screen's picture.
QPixmap SplashPixmap();

}  // namespace zev
