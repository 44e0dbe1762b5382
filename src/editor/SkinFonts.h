#pragma once

#include <QFont>

// The small bitmap font of the skin, or a legible stand-in where it is missing.
QFont SkinSmallFont();
