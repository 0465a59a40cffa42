#pragma once
#include <QIcon>
#include <QPixmap>

namespace vx {

// The program's own pictures, drawn rather than shipped: a window with its sash and handle.
QPixmap ProductPicture(const QSize& size);
QIcon ApplicationIcon();

} // namespace vx

namespace vx {

// The tool bar pictures.
enum class TToolIcon { Registry, New, Open, Save, Print, Properties, Add, Edit, Delete, Register, Archive };
QIcon ToolIcon(TToolIcon kind);

} // namespace vx
