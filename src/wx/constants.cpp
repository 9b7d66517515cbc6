#include "constants.h"

#include "toolkit.h"

#include <wx/uiaction.h>

#include "pyl/ops.h"

namespace wxpy {

namespace {

struct Constant {
  const char* name;
  long value;
};

const Constant kConstants[] = {
    // identifiers
    {"ID_ANY", wxID_ANY},
    {"ID_OK", wxID_OK},
    {"ID_CANCEL", wxID_CANCEL},
    {"ID_YES", wxID_YES},
    {"ID_NO", wxID_NO},
    {"NOT_FOUND", wxNOT_FOUND},
    // orientation, directions, alignment, stretch
    {"HORIZONTAL", wxHORIZONTAL},
    {"VERTICAL", wxVERTICAL},
    {"BOTH", wxBOTH},
    {"LEFT", wxLEFT},
    {"RIGHT", wxRIGHT},
    {"UP", wxUP},
    {"TOP", wxTOP},
    {"DOWN", wxDOWN},
    {"BOTTOM", wxBOTTOM},
    {"ALL", wxALL},
    {"ALIGN_NOT", wxALIGN_NOT},
    {"ALIGN_LEFT", wxALIGN_LEFT},
    {"ALIGN_TOP", wxALIGN_TOP},
    {"ALIGN_RIGHT", wxALIGN_RIGHT},
    {"ALIGN_BOTTOM", wxALIGN_BOTTOM},
    {"ALIGN_CENTER_HORIZONTAL", wxALIGN_CENTER_HORIZONTAL},
    {"ALIGN_CENTRE_HORIZONTAL", wxALIGN_CENTRE_HORIZONTAL},
    {"ALIGN_CENTER_VERTICAL", wxALIGN_CENTER_VERTICAL},
    {"ALIGN_CENTRE_VERTICAL", wxALIGN_CENTRE_VERTICAL},
    {"ALIGN_CENTER", wxALIGN_CENTER},
    {"ALIGN_CENTRE", wxALIGN_CENTRE},
    {"SHRINK", wxSHRINK},
    {"GROW", wxGROW},
    {"EXPAND", wxEXPAND},
    {"SHAPED", wxSHAPED},
    {"FIXED_MINSIZE", wxFIXED_MINSIZE},
    {"CENTRE", wxCENTRE},
    {"CENTER", wxCENTER},
    // window, frame and dialog styles
    {"CAPTION", wxCAPTION},
    {"CLIP_CHILDREN", wxCLIP_CHILDREN},
    {"TAB_TRAVERSAL", wxTAB_TRAVERSAL},
    {"STAY_ON_TOP", wxSTAY_ON_TOP},
    {"CLOSE_BOX", wxCLOSE_BOX},
    {"SYSTEM_MENU", wxSYSTEM_MENU},
    {"MINIMIZE_BOX", wxMINIMIZE_BOX},
    {"MAXIMIZE_BOX", wxMAXIMIZE_BOX},
    {"RESIZE_BORDER", wxRESIZE_BORDER},
    {"DEFAULT_FRAME_STYLE", wxDEFAULT_FRAME_STYLE},
    {"DEFAULT_DIALOG_STYLE", wxDEFAULT_DIALOG_STYLE},
    {"FRAME_FLOAT_ON_PARENT", wxFRAME_FLOAT_ON_PARENT},
    {"FRAME_TOOL_WINDOW", wxFRAME_TOOL_WINDOW},
    {"FRAME_NO_TASKBAR", wxFRAME_NO_TASKBAR},
    // text controls
    {"TE_READONLY", wxTE_READONLY},
    {"TE_MULTILINE", wxTE_MULTILINE},
    {"TE_PROCESS_TAB", wxTE_PROCESS_TAB},
    {"TE_RICH", wxTE_RICH},
    {"TE_PROCESS_ENTER", wxTE_PROCESS_ENTER},
    {"TE_PASSWORD", wxTE_PASSWORD},
    {"TE_WORDWRAP", wxTE_WORDWRAP},
    {"TE_CHARWRAP", wxTE_CHARWRAP},
    {"TE_BESTWRAP", wxTE_BESTWRAP},
    // buttons and list boxes
    {"BU_EXACTFIT", wxBU_EXACTFIT},
    {"BU_NOTEXT", wxBU_NOTEXT},
    {"BU_AUTODRAW", wxBU_AUTODRAW},
    {"LB_SINGLE", wxLB_SINGLE},
    {"LB_SORT", wxLB_SORT},
    // message boxes
    {"YES", wxYES},
    {"OK", wxOK},
    {"NO", wxNO},
    {"YES_NO", wxYES_NO},
    {"CANCEL", wxCANCEL},
    {"HELP", wxHELP},
    {"ICON_EXCLAMATION", wxICON_EXCLAMATION},
    {"ICON_WARNING", wxICON_WARNING},
    {"ICON_ERROR", wxICON_ERROR},
    {"ICON_HAND", wxICON_HAND},
    {"ICON_QUESTION", wxICON_QUESTION},
    {"ICON_INFORMATION", wxICON_INFORMATION},
    // fonts
    {"FONTFAMILY_DEFAULT", wxFONTFAMILY_DEFAULT},
    {"FONTFAMILY_DECORATIVE", wxFONTFAMILY_DECORATIVE},
    {"FONTFAMILY_ROMAN", wxFONTFAMILY_ROMAN},
    {"FONTFAMILY_SCRIPT", wxFONTFAMILY_SCRIPT},
    {"FONTFAMILY_SWISS", wxFONTFAMILY_SWISS},
    {"FONTFAMILY_MODERN", wxFONTFAMILY_MODERN},
    {"FONTFAMILY_TELETYPE", wxFONTFAMILY_TELETYPE},
    {"FONTSTYLE_NORMAL", wxFONTSTYLE_NORMAL},
    {"FONTSTYLE_ITALIC", wxFONTSTYLE_ITALIC},
    {"FONTSTYLE_SLANT", wxFONTSTYLE_SLANT},
    {"FONTWEIGHT_LIGHT", wxFONTWEIGHT_LIGHT},
    {"FONTWEIGHT_NORMAL", wxFONTWEIGHT_NORMAL},
    {"FONTWEIGHT_BOLD", wxFONTWEIGHT_BOLD},
    {"FONTENCODING_DEFAULT", wxFONTENCODING_DEFAULT},
    {"DEFAULT", wxDEFAULT},
    {"SWISS", wxSWISS},
    {"NORMAL", wxNORMAL},
    {"ITALIC", wxITALIC},
    {"SLANT", wxSLANT},
    {"LIGHT", wxLIGHT},
    {"BOLD", wxBOLD},
    // bitmaps
    {"BITMAP_TYPE_PNG", wxBITMAP_TYPE_PNG},
    {"BITMAP_TYPE_ANY", wxBITMAP_TYPE_ANY},
    // simulated input
    {"MOUSE_BTN_LEFT", wxMOUSE_BTN_LEFT},
    {"MOUSE_BTN_MIDDLE", wxMOUSE_BTN_MIDDLE},
    {"MOUSE_BTN_RIGHT", wxMOUSE_BTN_RIGHT},
    {"MOD_NONE", wxMOD_NONE},
    {"MOD_SHIFT", wxMOD_SHIFT},
    {"MOD_CONTROL", wxMOD_CONTROL},
    {"WXK_RETURN", WXK_RETURN},
    {"WXK_TAB", WXK_TAB},
    {"WXK_BACK", WXK_BACK},
    {"WXK_ESCAPE", WXK_ESCAPE},
};

const char* const kStrings[][2] = {
    {"FrameNameStr", "frame"},
    {"DialogNameStr", "dialog"},
    {"PanelNameStr", "panel"},
    {"ButtonNameStr", "button"},
    {"StaticTextNameStr", "staticText"},
    {"TextCtrlNameStr", "text"},
    {"ListBoxNameStr", "listBox"},
    {"MessageBoxCaptionStr", "Message"},
};

}  // namespace

void define_constants(pyl::Module& m) {
  for (const Constant& c : kConstants) m.bind(pyl::intern(c.name), pyl::integer(c.value).get());
  for (const auto& s : kStrings) m.bind(pyl::intern(s[0]), pyl::bytes(s[1]).get());
  pyl::Object version = pyl::tuple({pyl::integer(wxMAJOR_VERSION).get(), pyl::integer(wxMINOR_VERSION).get(),
                                    pyl::integer(wxRELEASE_NUMBER).get()});
  m.bind(pyl::intern("VERSION"), version.get());
  m.bind(pyl::intern("VERSION_STRING"), pyl::bytes(wxVERSION_NUM_DOT_STRING).get());
  m.bind(pyl::intern("DefaultValidator"), Py_None);
}

}  // namespace wxpy
