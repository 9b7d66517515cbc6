// Child windows: wx.Panel, wx.Control, wx.StaticText, wx.TextCtrl,
// wx.Button, wx.BitmapButton (with its hover picture) and wx.ListBox.
#pragma once
#include "classes.h"

namespace wxpy {

extern const ClassDef kPanelClass, kControlClass, kStaticTextClass, kTextCtrlClass, kButtonClass,
    kBitmapButtonClass, kListBoxClass;

}  // namespace wxpy
