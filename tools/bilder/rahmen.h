#pragma once
// A window's picture as a person sees it on the desktop: its contents
// inside a plain frame with a title bar that shows its icon and caption
// (which carries the report's subject). The frame's colours are fixed, so
// it does not depend on a window manager.

#include <QImage>

class QWidget;

QImage MitRahmen(QWidget* pFenster);
