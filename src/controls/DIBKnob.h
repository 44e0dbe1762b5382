#pragma once

#include "controls/CustomDIBKnob.h"

// The knob as forms use it: the same behaviour, with its settings as properties.
class TDIBKnob : public TCustomDIBKnob {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool DrawTweens READ DrawTweens WRITE SetDrawTweens)
    Q_PROPERTY(bool LoopLastFrame READ LoopLastFrame WRITE SetLoopLastFrame)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Opacity READ Opacity WRITE SetOpacity)
    Q_PROPERTY(int IndexMain READ IndexMain WRITE SetIndexMain)
    Q_PROPERTY(int DIBTabOrder READ DIBTabOrder WRITE SetDIBTabOrder)
  public:
    explicit TDIBKnob(QWidget* parent = nullptr);
};
