#pragma once

// The Sarvik document: the waveset root, its oscillators and their instruments.
#include "document/SarvikInstrument.h"
#include "document/SarvikOscillator.h"
#include "document/SarvikView.h"
#include "document/SarvikWaveset.h"
