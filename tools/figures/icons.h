#pragma once

#include <QImage>

// The window icon at a size of `pixels` square: a triangle with an arc at one
// corner, the subject of the test, on a clear background.
QImage drawIcon(int pixels);
