// The window's constructor and its controls.
#include "dialog.h"
#include "shared.h"
#include "pyl/signature.h"

namespace ventana {

using pyl::Object;
using pyl::attr;
using pyl::call;
using pyl::set_attr;

namespace {

const pyl::Signature kInitSignature(
    "__init__", {"self", "parent", "listadoObjetos", "conjuntoOAlternativa", "nombre", "esProyecto", "aplicandoProyecto"},
    false);
const pyl::Signature kInitCtrlsSignature("_init_ctrls", {"self", "parent"}, false);

// wx.A | wx.B | ..., read and combined left to right.
Object flags(const pyl::Function& fn, std::initializer_list<PyObject*> names, int line = PYL_CALLER_LINE) {
  Object combined;
  for (PyObject* name : names) {
    Object flag = wx(fn, name, line);
    combined = combined ? pyl::bit_or(combined.get(), flag.get(), line) : flag;
  }
  return combined;
}

// (w, h): a spacer for a sizer.
Object pair(long w, long h, int line = PYL_CALLER_LINE) {
  Object first = pyl::integer(w, line);
  Object second = pyl::integer(h, line);
  return pyl::tuple({first.get(), second.get()}, line);
}

// sizer.Add(item, proportion=..., flag=..., border=...): the keywords given
// are those that differ from the toolkit's defaults.
void add(PyObject* sizer, PyObject* item, pyl::Kwargs keywords = {}, int line = PYL_CALLER_LINE) {
  Object add_method = attr(sizer, PYL_NAME("Add"), line);
  call(add_method.get(), {item}, keywords, line);
}

// self.<attribute> = wx.Bitmap(os.path.join(DirectorioImagenes, <file>))
void load_picture(const pyl::Function& fn, PyObject* self, PyObject* attribute, const char* file,
                  int line = PYL_CALLER_LINE) {
  Object bitmap = wx(fn, PYL_NAME("Bitmap"), line);
  Object os_path = attr(global(fn, PYL_NAME("os"), line).get(), PYL_NAME("path"), line);
  Object join = attr(os_path.get(), PYL_NAME("join"), line);
  Object folder = global(fn, PYL_NAME("DirectorioImagenes"), line);
  Object name = pyl::bytes(file, line);
  Object path = call(join.get(), {folder.get(), name.get()}, {}, line);
  set_attr(self, attribute, call(bitmap.get(), {path.get()}, {}, line).get(), line);
}

// A picture button: self.<attribute> = MiBitmapButton(self, id=-1,
// bitmap=self.<picture>, bitmapOver=self.<hover>, size=self.<picture>.GetSize()),
// its tooltip, and its handler bound on the button itself.
struct Button {
  const char* attribute;
  const char* picture;
  const char* hover;
  const char* tooltip;
  const char* handler;
};

const Button kAceptar = {"buttonAceptar", "imagenButtonAceptar", "imagenButtonAceptarOver", u8"Aceptar", "OnAceptar"};
const Button kCancelar = {"buttonCancelar", "imagenButtonCancelar", "imagenButtonCancelarOver", u8"Cancelar", "OnCancelar"};

Object make_button(const pyl::Function& fn, PyObject* self, const Button& b, PyObject* tooltip_text,
                   int line = PYL_CALLER_LINE) {
  Object button_class = global(fn, PYL_NAME("MiBitmapButton"), line);
  Object minus_one = pyl::integer(-1, line);
  Object picture = attr(self, pyl::intern(b.picture), line);
  Object hover = attr(self, pyl::intern(b.hover), line);
  Object get_size = attr(attr(self, pyl::intern(b.picture), line).get(), PYL_NAME("GetSize"), line);
  Object size = call(get_size.get(), {}, {}, line);
  Object made = call(button_class.get(), {self},
                     {{PYL_NAME("id"), minus_one.get()},
                      {PYL_NAME("bitmap"), picture.get()},
                      {PYL_NAME("bitmapOver"), hover.get()},
                      {PYL_NAME("size"), size.get()}},
                     line);
  PyObject* attribute = pyl::intern(b.attribute);
  set_attr(self, attribute, made.get(), line);

  Object button = attr(self, attribute, line);
  Object set_tooltip = attr(button.get(), PYL_NAME("SetToolTip"), line);
  Object tooltip_class = wx(fn, PYL_NAME("ToolTip"), line);
  Object tooltip = call(tooltip_class.get(), {translated(fn, tooltip_text, line).get()}, {}, line);
  call(set_tooltip.get(), {tooltip.get()}, {}, line);

  button = attr(self, attribute, line);
  Object bind = attr(button.get(), PYL_NAME("Bind"), line);
  Object event = wx(fn, PYL_NAME("EVT_BUTTON"), line);
  Object handler = attr(self, pyl::intern(b.handler), line);
  call(bind.get(), {event.get(), handler.get()}, {}, line);
  return attr(self, attribute, line);
}

// self.<control>.<method>(args...)
void on_control(PyObject* self, PyObject* control, PyObject* method, pyl::Args args = {},
                int line = PYL_CALLER_LINE) {
  Object target = attr(self, control, line);
  Object bound = attr(target.get(), method, line);
  call(bound.get(), args, {}, line);
}

Object init(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kInitSignature.bind(fn, args, kw);
  PyObject* self = a[0];
  PyObject* parent = a[1];
  set_attr(self, PYL_NAME("listadoObjetos"), a[2]);
  set_attr(self, PYL_NAME("conjuntoOAlternativa"), a[3]);
  set_attr(self, PYL_NAME("parent"), parent);
  set_attr(self, PYL_NAME("nombre"), a[4]);
  set_attr(self, PYL_NAME("esProyecto"), a[5]);
  set_attr(self, PYL_NAME("aplicandoProyecto"), a[6]);

  Object title = alternative_mode(fn) ? translated(fn, PYL_TEXT(u8"Nombre de la alternativa"))
                                      : translated(fn, PYL_TEXT(u8"Nombre del conjunto de medidas de mejora"));
  Object size = pair(700, 200);

  Object frame_init = attr(global(fn, PYL_NAME("MiFrame")).get(), PYL_NAME("__init__"));
  Object style = flags(fn, {PYL_NAME("DEFAULT_FRAME_STYLE"), PYL_NAME("FRAME_FLOAT_ON_PARENT")});
  call(frame_init.get(), {self, parent},
       {{PYL_NAME("title"), title.get()}, {PYL_NAME("size"), size.get()}, {PYL_NAME("style"), style.get()}});

  pyl::call_method(self, PYL_NAME("Centre"));
  pyl::call_method(self, PYL_NAME("_init_ctrls"), {parent});

  Object bind = attr(self, PYL_NAME("Bind"));
  Object close_event = wx(fn, PYL_NAME("EVT_CLOSE"));
  Object on_close = attr(self, PYL_NAME("OnCloseWindow"));
  call(bind.get(), {close_event.get(), on_close.get()});
  return pyl::none();
}

Object init_ctrls(const pyl::Function& fn, PyObject* args, PyObject* kw) {
  pyl::Arguments a = kInitCtrlsSignature.bind(fn, args, kw);
  PyObject* self = a[0];

  load_picture(fn, self, PYL_NAME("imagenButtonAceptar"), "botonAceptar.png");
  load_picture(fn, self, PYL_NAME("imagenButtonAceptarOver"), "botonAceptar_Over.png");
  load_picture(fn, self, PYL_NAME("imagenButtonCancelar"), "botonCerrar.png");
  load_picture(fn, self, PYL_NAME("imagenButtonCancelarOver"), "botonCerrar_Over.png");

  Object box_sizer = wx(fn, PYL_NAME("BoxSizer"));
  set_attr(self, PYL_NAME("vbox"), call(box_sizer.get(), {wx(fn, PYL_NAME("VERTICAL")).get()}).get());
  add(attr(self, PYL_NAME("vbox")).get(), pair(-1, 20).get());

  box_sizer = wx(fn, PYL_NAME("BoxSizer"));
  Object hbox1 = call(box_sizer.get(), {wx(fn, PYL_NAME("HORIZONTAL")).get()});

  // The caption.
  Object static_text = global(fn, PYL_NAME("MiStaticText"));
  Object minus_one = pyl::integer(-1);
  set_attr(self, PYL_NAME("nombreText"), call(static_text.get(), {self, minus_one.get(), PYL_TEXT(u8"")}).get());
  {
    Object caption = attr(self, PYL_NAME("nombreText"));
    Object set_label = attr(caption.get(), PYL_NAME("SetLabel"));
    Object label = alternative_mode(fn) ? translated(fn, PYL_TEXT(u8"Nombre de la alternativa"))
                                        : translated(fn, PYL_TEXT(u8"Nombre del conjunto de\nmedidas de mejora"));
    call(set_label.get(), {label.get()});
  }
  on_control(self, PYL_NAME("nombreText"), PYL_NAME("SetFormatoTextoGrande"));
  add(hbox1.get(), attr(self, PYL_NAME("nombreText")).get(),
      {{PYL_NAME("flag"), flags(fn, {PYL_NAME("EXPAND"), PYL_NAME("RIGHT")}).get()},
       {PYL_NAME("border"), pyl::integer(10).get()}});

  // The name box; for an alternative it starts with a dated default name.
  Object text_ctrl = global(fn, PYL_NAME("MiTextCtrl"));
  Object zero = pyl::integer(0);
  Object size_class = wx(fn, PYL_NAME("Size"));
  Object box_size = call(size_class.get(), {pyl::integer(50).get(), pyl::integer(41).get()});
  Object style = flags(fn, {PYL_NAME("TE_MULTILINE"), PYL_NAME("TE_WORDWRAP")});
  set_attr(self, PYL_NAME("nombreCuadro"),
           call(text_ctrl.get(), {self},
                {{PYL_NAME("id"), zero.get()},
                 {PYL_NAME("size"), box_size.get()},
                 {PYL_NAME("value"), PYL_TEXT(u8"")},
                 {PYL_NAME("style"), style.get()}})
               .get());
  if (alternative_mode(fn)) {
    Object now = attr(global(fn, PYL_NAME("datetime")).get(), PYL_NAME("now"));
    Object date = call(now.get());
    Object box = attr(self, PYL_NAME("nombreCuadro"));
    Object set_value = attr(box.get(), PYL_NAME("SetValue"));
    Object pattern = translated(fn, PYL_TEXT(u8"Alternativa %s"));
    Object strftime = attr(date.get(), PYL_NAME("strftime"));
    Object stamp = call(strftime.get(), {pyl::bytes("%d/%m/%y - %H:%M:%S h").get()});
    call(set_value.get(), {pyl::remainder(pattern.get(), stamp.get()).get()});
    on_control(self, PYL_NAME("nombreCuadro"), PYL_NAME("SetInsertionPointEnd"));
  }
  on_control(self, PYL_NAME("nombreCuadro"), PYL_NAME("SetFormatoTextoTitulo"));
  add(hbox1.get(), attr(self, PYL_NAME("nombreCuadro")).get(),
      {{PYL_NAME("proportion"), pyl::integer(1).get()}, {PYL_NAME("flag"), wx(fn, PYL_NAME("EXPAND")).get()}});

  add(attr(self, PYL_NAME("vbox")).get(), hbox1.get(),
      {{PYL_NAME("flag"), flags(fn, {PYL_NAME("LEFT"), PYL_NAME("RIGHT"), PYL_NAME("EXPAND")}).get()},
       {PYL_NAME("border"), pyl::integer(10).get()}});
  add(attr(self, PYL_NAME("vbox")).get(), pair(-1, 50).get());

  // The buttons, flush right: accept, then cancel.
  box_sizer = wx(fn, PYL_NAME("BoxSizer"));
  Object hbox2 = call(box_sizer.get(), {wx(fn, PYL_NAME("HORIZONTAL")).get()});
  add(hbox2.get(), make_button(fn, self, kAceptar, PYL_TEXT(kAceptar.tooltip)).get());
  add(hbox2.get(), make_button(fn, self, kCancelar, PYL_TEXT(kCancelar.tooltip)).get(),
      {{PYL_NAME("flag"), wx(fn, PYL_NAME("LEFT")).get()}, {PYL_NAME("border"), pyl::integer(10).get()}});
  add(attr(self, PYL_NAME("vbox")).get(), hbox2.get(),
      {{PYL_NAME("flag"), flags(fn, {PYL_NAME("RIGHT"), PYL_NAME("TOP"), PYL_NAME("BOTTOM"), PYL_NAME("ALIGN_RIGHT")}).get()},
       {PYL_NAME("border"), pyl::integer(10).get()}});

  Object set_sizer = attr(self, PYL_NAME("SetSizer"));
  call(set_sizer.get(), {attr(self, PYL_NAME("vbox")).get()});
  return pyl::none();
}

}  // namespace

const pyl::FunctionDef kInit{"__init__", init};
const pyl::FunctionDef kInitCtrls{"_init_ctrls", init_ctrls};

}  // namespace ventana
