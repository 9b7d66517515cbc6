// wx._core: the classic toolkit API over wxWidgets 3.2, re-exported by the
// package wx.
#include "application.h"
#include "constants.h"
#include "controls.h"
#include "events.h"
#include "later.h"
#include "pyl/module.h"
#include "pyl/ops.h"
#include "runtime.h"
#include "simulator.h"
#include "sizers.h"
#include "frames.h"
#include "values.h"
#include "windows.h"

namespace wxpy {

namespace {

// In dependency order: a base before the classes derived from it, the value
// classes before the defaults that use them.
const ClassDef* const kClasses[] = {
    &kSizeClass,         &kPointClass,           &kFontClass,        &kBitmapClass,
    &kToolTipClass,      &kObjectClass,          &kEvtHandlerClass,  &kEventClass,
    &kCommandEventClass, &kCloseEventClass,      &kMouseEventClass,  &kEventBinderClass,
    &kWindowClass,       &kTopLevelWindowClass,  &kFrameClass,       &kDialogClass,
    &kMessageDialogClass, &kPanelClass,          &kControlClass,     &kStaticTextClass,
    &kTextCtrlClass,     &kButtonClass,          &kBitmapButtonClass, &kListBoxClass,
    &kSizerClass,        &kBoxSizerClass,        &kAppClass,         &kUIActionSimulatorClass,
    &kCallLaterClass,
};

void body(pyl::Module& m) {
  define_errors(m);
  define_constants(m);
  for (const ClassDef* cls : kClasses) define_class(m, *cls);
  define_value_constants(m);
  define_binders(m);
  define_functions(m, kAppFunctions);
  define_functions(m, kTopLevelFunctions);
  m.bind(pyl::intern("PySimpleApp"), class_named("App"));
  register_shutdown(m);
}

const pyl::ModuleDef kModule{"_core", "wx._core", "wx/_core", nullptr, body};

}  // namespace

}  // namespace wxpy

PYL_INIT_FUNCTION(_core) { pyl::initialise(wxpy::kModule); }
