#pragma once

#include <QIcon>

// The program's own icon, drawn from its SVG at every size the platform asks for.
QIcon ApplicationIcon();
