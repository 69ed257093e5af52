// The program's pictures, drawn from the SVG resources once per size and
// device pixel ratio: the nine function pictures (FunctionPictures, numbered
// 1-9 as the legend, the clock-line controls and the editor use them), the
// workday and weekend day icons, and the tool-bar pictures.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ordalis {

constexpr int kFunctionPictureCount = 9;
// Function pictures are drawn 12 x 12 (logical pixels), day icons 16 x 16.
constexpr int kFunctionPictureSize = 12;
constexpr int kDayIconSize = 16;

// Function picture k (1-9) at the given device pixel ratio and logical size
// (the editor shows them larger); a null pixmap for any other k.
QPixmap FunctionPicture(int k, qreal devicePixelRatio = 1.0, int size = kFunctionPictureSize);

// The day icon for a workday or a weekend day.
QPixmap DayIcon(bool workday, qreal devicePixelRatio = 1.0);

// Any picture of the resources by its base name ("tlb_save"), sharp at every
// size the icon is asked for.
QIcon ResourceIcon(const QString& name);

// A picture of the resources drawn at a logical size and device pixel ratio.
QPixmap RenderPicture(const QString& name, QSize size, qreal devicePixelRatio);

}  // namespace ordalis
