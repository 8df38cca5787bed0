#pragma once
// The pictures of the panel's picture keys, drawn here so they scale with
// the screen: Display, Print, Scroll, Right, Exit, Down, Up, Left, Enter.

#include <QIcon>
#include <QString>

namespace emulation {
// The picture of the key button with this objectName (null icon for others).
QIcon keyPicture(const QString &buttonName);
} // namespace emulation
