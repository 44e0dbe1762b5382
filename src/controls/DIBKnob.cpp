#include "controls/DIBKnob.h"

TDIBKnob::TDIBKnob(QWidget* parent) : TCustomDIBKnob(parent) {}
