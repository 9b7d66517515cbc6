// wx.CallLater: a call made once, from the event loop, after a delay.
#pragma once
#include "classes.h"

namespace wxpy {

extern const ClassDef kCallLaterClass;

}  // namespace wxpy
