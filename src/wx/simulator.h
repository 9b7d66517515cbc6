// wx.UIActionSimulator: real mouse and keyboard input through the display
// server, for tests and scripted walks through the windows.
#pragma once
#include "classes.h"

namespace wxpy {

extern const ClassDef kUIActionSimulatorClass;

}  // namespace wxpy
