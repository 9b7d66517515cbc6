// Top-level windows: wx.TopLevelWindow (with the classic MakeModal),
// wx.Frame, wx.Dialog, wx.MessageDialog, and the functions MessageBox and
// GetTopLevelWindows.
#pragma once
#include "classes.h"

namespace wxpy {

extern const ClassDef kTopLevelWindowClass, kFrameClass, kDialogClass, kMessageDialogClass;
extern const std::vector<Method> kTopLevelFunctions;

}  // namespace wxpy
