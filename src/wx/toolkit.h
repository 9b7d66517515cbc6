// The toolkit's headers: wx/wx.h first, as some of them need the others read
// before them.
#pragma once
#include <wx/wx.h>
