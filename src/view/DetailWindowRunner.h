#pragma once

#include <functional>

class CDetailWaveWnd;

// Shows the detail waveform window modally and returns its result once it has closed: a Qt dialog
// in the desktop program, an image in the command-line tool and the tests.
using DetailWindowRunner = std::function<int(CDetailWaveWnd& wnd)>;
