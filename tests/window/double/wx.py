# -*- coding: utf-8 -*-
"""Recording test double of the `wx` toolkit module (classic API).

Put this folder on sys.path ahead of any real toolkit and `import wx` gets
this module. It offers the part of the classic API that the naming window and
the host window wrappers use, and it records every call made on it.

The log
-------
`wx.registro` is the shared list of registro.py (the same object): every
call of a function of this module or of a method of one of its objects
(constructors included) appends one entry (quien, metodo, args, kwargs), as
described in registro.py, *before* the call does its work. Module functions
are logged under the label "wx" (e.g. ("wx", "MessageBox", (texto, u"Aviso"),
{})). Calls that the double makes on itself are not logged, nor are the test
helpers below.

Behaviour kept from the real toolkit
------------------------------------
- Constructors check their arguments roughly as the real bindings do and raise
  TypeError otherwise: a window's parent must be None or a window of this
  module; sizes are a Size or a (w, h) pair; texts are str or unicode; a
  BitmapButton needs a Bitmap; a sizer item is a window, a sizer, a Size or a
  (w, h) pair. Adding a window that already is in a sizer raises
  PyAssertionError, as an assertion of the toolkit does.
- Bind(binder, handler, source=None, id=ID_ANY, id2=ID_ANY) connects by
  window id (source stands for its id), as the real Bind does.
- Events: handlers bound on the target window run last-bound first; the
  first that does not call event.Skip() ends the search. Command events
  (EVT_BUTTON, EVT_TEXT) then go up through the parents, up to and including
  the first top-level window.
- Close() sends EVT_CLOSE; with no handler (or only skipping ones) the frame
  is destroyed. Destroy() marks the window destroyed; like a top-level frame
  of the real toolkit, whose deletion waits for the next idle time, the Python
  object stays fully usable afterwards.
- MakeModal(modal) enables (False) or disables (True) every other live
  top-level window, as the classic frame does, and remembers the flag.
- TextCtrl.SetValue puts the insertion point at 0 and sends EVT_TEXT;
  ChangeValue does not send it; SetInsertionPointEnd puts it at len(value).
- Bitmap(path) reads the width and height of a PNG file; a missing or
  unreadable file gives an invalid bitmap (IsOk() False, size (-1, -1)).
- BitmapButton shows its label bitmap, or its "current" (hover) bitmap while
  the pointer is over it; SetBitmapHover is the same as SetBitmapCurrent.

Test helpers (not logged)
-------------------------
- escribir(cuadro, texto): the user types texto into a TextCtrl (value set,
  insertion point at the end, EVT_TEXT sent).
- disparar(ventana, binder, evento=None): deliver an event of that binder
  from ventana, as the toolkit would (e.g. disparar(boton, wx.EVT_BUTTON),
  disparar(frame, wx.EVT_CLOSE)). Returns True if a handler took it.
  For EVT_CLOSE with no handler taking it, the frame is destroyed.
- apuntar(boton, dentro=True): the pointer enters (or leaves) the window;
  sends EVT_ENTER_WINDOW / EVT_LEAVE_WINDOW.
- bitmapMostrado(boton): the bitmap the button shows now.
- estado(ventana): the dict of the double's state of a window ('padre', 'id',
  'valor', 'etiqueta', 'titulo', 'mostrado', 'destruido', 'modal',
  'habilitado', 'centrado', 'sizer', 'fuente', 'tooltip', 'vinculos',
  'hijos', 'bitmaps', 'bajoPuntero', 'puntoInsercion', ...).
- ventanasSuperiores(): the live top-level windows, oldest first.
- respuestaMessageBox: module variable; when not None, MessageBox returns it
  (otherwise wx.OK).
- Making a call raise, or running code during a call: registro.fallar() and
  registro.alLlamar() (e.g. registro.fallar('Destroy', quien='MiFrame')).
- registro.reiniciar() also forgets the state of every window.

Constant values are those of the wxWidgets 3.2 headers; the event type
numbers are this double's own (the toolkit allocates them at run time).
"""

import struct

import registro as _r
from registro import registro

# --------------------------------------------------------------------------
# Constants (wxWidgets 3.2 values)

ID_ANY = -1
ID_OK = 5100
ID_CANCEL = 5101

# orientation, directions, alignment, stretch (defs.h)
HORIZONTAL = 0x0004
VERTICAL = 0x0008
BOTH = VERTICAL | HORIZONTAL
LEFT = 0x0010
RIGHT = 0x0020
UP = TOP = 0x0040
DOWN = BOTTOM = 0x0080
ALL = TOP | BOTTOM | RIGHT | LEFT
ALIGN_NOT = ALIGN_LEFT = ALIGN_TOP = 0x0000
ALIGN_CENTER_HORIZONTAL = ALIGN_CENTRE_HORIZONTAL = 0x0100
ALIGN_RIGHT = 0x0200
ALIGN_BOTTOM = 0x0400
ALIGN_CENTER_VERTICAL = ALIGN_CENTRE_VERTICAL = 0x0800
ALIGN_CENTER = ALIGN_CENTRE = 0x0900
SHRINK = 0x1000
GROW = EXPAND = 0x2000
SHAPED = 0x4000
FIXED_MINSIZE = 0x8000
CENTRE = CENTER = 0x0001

# window and frame styles (defs.h, toplevel.h, frame.h)
CAPTION = 0x20000000
CLIP_CHILDREN = 0x00400000
TAB_TRAVERSAL = 0x00080000
STAY_ON_TOP = 0x8000
CLOSE_BOX = 0x1000
SYSTEM_MENU = 0x0800
MINIMIZE_BOX = 0x0400
MAXIMIZE_BOX = 0x0200
RESIZE_BORDER = 0x0040
DEFAULT_FRAME_STYLE = (SYSTEM_MENU | RESIZE_BORDER | MINIMIZE_BOX |
                       MAXIMIZE_BOX | CLOSE_BOX | CAPTION | CLIP_CHILDREN)
FRAME_FLOAT_ON_PARENT = 0x0008
FRAME_TOOL_WINDOW = 0x0004
FRAME_NO_TASKBAR = 0x0002

# text control styles (defs.h, textctrl.h)
TE_READONLY = 0x0010
TE_MULTILINE = 0x0020
TE_PROCESS_TAB = 0x0040
TE_RICH = 0x0080
TE_PROCESS_ENTER = 0x0400
TE_PASSWORD = 0x0800
TE_WORDWRAP = 0x0001
TE_CHARWRAP = 0x4000
TE_BESTWRAP = 0x0000

# buttons (anybutton.h)
BU_EXACTFIT = 0x0001
BU_NOTEXT = 0x0002
BU_AUTODRAW = 0x0004

# message boxes (defs.h)
YES = 0x0002
OK = 0x0004
NO = 0x0008
YES_NO = YES | NO
CANCEL = 0x0010
ICON_EXCLAMATION = ICON_WARNING = 0x0100
ICON_ERROR = ICON_HAND = 0x0200
ICON_QUESTION = 0x0400
ICON_INFORMATION = 0x0800

# fonts (defs.h, font.h)
FONTFAMILY_DEFAULT = DEFAULT = 70
FONTFAMILY_DECORATIVE = 71
FONTFAMILY_ROMAN = 72
FONTFAMILY_SCRIPT = 73
FONTFAMILY_SWISS = SWISS = 74
FONTFAMILY_MODERN = 75
FONTFAMILY_TELETYPE = 76
FONTSTYLE_NORMAL = NORMAL = 90
FONTSTYLE_ITALIC = ITALIC = 93
FONTSTYLE_SLANT = SLANT = 94
FONTWEIGHT_LIGHT = 300
FONTWEIGHT_NORMAL = 400
FONTWEIGHT_BOLD = 700
FONTENCODING_DEFAULT = 0
LIGHT = 91
BOLD = 92

# bitmaps (gdicmn.h)
BITMAP_TYPE_PNG = 15
BITMAP_TYPE_ANY = 50

EmptyString = u''
FrameNameStr = 'frame'
PanelNameStr = 'panel'
ButtonNameStr = 'button'
StaticTextNameStr = 'staticText'
TextCtrlNameStr = 'text'
MessageBoxCaptionStr = 'Message'

respuestaMessageBox = None


class PyAssertionError(AssertionError):
    """What a failed toolkit assertion raises in the classic bindings."""


# --------------------------------------------------------------------------
# Recording machinery

def _registrado(funcion):
    """Method that logs its call (self, name, args, kwargs) before running."""
    nombre = funcion.__name__

    def envoltura(self, *args, **kwargs):
        _r.anotar(self, nombre, args, kwargs)
        return funcion(self, *args, **kwargs)
    envoltura.__name__ = nombre
    envoltura.__doc__ = funcion.__doc__
    return envoltura


def _funcionRegistrada(funcion):
    """Module function logged under the label "wx"."""
    nombre = funcion.__name__

    def envoltura(*args, **kwargs):
        _r.anotar('wx', nombre, args, kwargs)
        return funcion(*args, **kwargs)
    envoltura.__name__ = nombre
    envoltura.__doc__ = funcion.__doc__
    return envoltura


def _comprobar(condicion, texto):
    if not condicion:
        raise TypeError(texto)


def _esTexto(valor):
    return isinstance(valor, basestring)


def _esEntero(valor):
    return isinstance(valor, (int, long))


def _nuevo(clase, *args):
    """An object of the double made by the double itself (not logged)."""
    with _r.silencio():
        return clase(*args)


# --------------------------------------------------------------------------
# Geometry

class Size(object):
    @_registrado
    def __init__(self, width=0, height=0):
        _comprobar(_esEntero(width) and _esEntero(height),
                   'Size: width and height must be integers')
        self.width, self.height = width, height

    @_registrado
    def Get(self):
        return (self.width, self.height)

    @_registrado
    def GetWidth(self):
        return self.width

    @_registrado
    def GetHeight(self):
        return self.height

    @_registrado
    def SetWidth(self, width):
        self.width = width

    @_registrado
    def SetHeight(self, height):
        self.height = height

    @_registrado
    def Set(self, width, height):
        self.width, self.height = width, height

    def _tupla(self):
        return (self.width, self.height)

    def __eq__(self, otro):
        if isinstance(otro, Size):
            return self._tupla() == otro._tupla()
        if isinstance(otro, tuple):
            return self._tupla() == otro
        return NotImplemented

    def __ne__(self, otro):
        igual = self.__eq__(otro)
        return igual if igual is NotImplemented else not igual

    __hash__ = None

    def __len__(self):
        return 2

    def __getitem__(self, indice):
        return self._tupla()[indice]

    def __repr__(self):
        return 'wx.Size(%d, %d)' % self._tupla()


class Point(object):
    @_registrado
    def __init__(self, x=0, y=0):
        _comprobar(_esEntero(x) and _esEntero(y),
                   'Point: x and y must be integers')
        self.x, self.y = x, y

    @_registrado
    def Get(self):
        return (self.x, self.y)

    def _tupla(self):
        return (self.x, self.y)

    def __eq__(self, otro):
        if isinstance(otro, Point):
            return self._tupla() == otro._tupla()
        if isinstance(otro, tuple):
            return self._tupla() == otro
        return NotImplemented

    def __ne__(self, otro):
        igual = self.__eq__(otro)
        return igual if igual is NotImplemented else not igual

    __hash__ = None

    def __len__(self):
        return 2

    def __getitem__(self, indice):
        return self._tupla()[indice]

    def __repr__(self):
        return 'wx.Point(%d, %d)' % self._tupla()


def _par(valor, texto):
    """A Size, Point or pair of integers, as a plain tuple."""
    if isinstance(valor, (Size, Point)):
        return valor._tupla()
    _comprobar(isinstance(valor, (tuple, list)) and len(valor) == 2 and
               all(isinstance(v, (int, long)) for v in valor), texto)
    return tuple(valor)


DefaultSize = _nuevo(Size, -1, -1)
DefaultPosition = _nuevo(Point, -1, -1)


# --------------------------------------------------------------------------
# Pictures, fonts, tooltips

def _medidasPng(ruta):
    """(width, height) of a PNG file, or None if it cannot be read as one."""
    try:
        with open(ruta, 'rb') as fichero:
            cabecera = fichero.read(24)
    except (IOError, OSError, TypeError):
        return None
    if len(cabecera) < 24 or cabecera[:8] != '\x89PNG\r\n\x1a\n' \
            or cabecera[12:16] != 'IHDR':
        return None
    return struct.unpack('>II', cabecera[16:24])


class Bitmap(object):
    @_registrado
    def __init__(self, name, type=BITMAP_TYPE_ANY):
        _comprobar(_esTexto(name), 'Bitmap: the file name must be a string')
        self._ruta = name
        self._medidas = _medidasPng(name) if name else None

    @_registrado
    def IsOk(self):
        return self._medidas is not None

    Ok = IsOk

    @_registrado
    def GetWidth(self):
        return self._medidas[0] if self._medidas else -1

    @_registrado
    def GetHeight(self):
        return self._medidas[1] if self._medidas else -1

    @_registrado
    def GetSize(self):
        return _nuevo(Size, *(self._medidas or (-1, -1)))

    def __repr__(self):
        return 'wx.Bitmap(%r)' % (self._ruta,)


NullBitmap = _nuevo(Bitmap, '')


class Font(object):
    @_registrado
    def __init__(self, pointSize, family, style, weight, underline=False,
                 face=EmptyString, encoding=FONTENCODING_DEFAULT):
        _comprobar(all(isinstance(v, (int, long))
                       for v in (pointSize, family, style, weight)),
                   'Font: size, family, style and weight must be integers')
        _comprobar(_esTexto(face), 'Font: face must be a string')
        self._datos = {'pointSize': pointSize, 'family': family,
                       'style': style, 'weight': weight,
                       'underline': bool(underline), 'face': face}

    @_registrado
    def IsOk(self):
        return True

    @_registrado
    def GetPointSize(self):
        return self._datos['pointSize']

    @_registrado
    def GetFamily(self):
        return self._datos['family']

    @_registrado
    def GetStyle(self):
        return self._datos['style']

    @_registrado
    def GetWeight(self):
        return self._datos['weight']

    @_registrado
    def GetUnderlined(self):
        return self._datos['underline']

    @_registrado
    def GetFaceName(self):
        return self._datos['face']

    @_registrado
    def SetPointSize(self, pointSize):
        self._datos['pointSize'] = pointSize

    @_registrado
    def SetWeight(self, weight):
        self._datos['weight'] = weight

    def __repr__(self):
        return 'wx.Font(%(pointSize)d, %(family)d, %(style)d, %(weight)d)' \
            % self._datos


NORMAL_FONT = _nuevo(Font, 9, FONTFAMILY_DEFAULT, FONTSTYLE_NORMAL,
                     FONTWEIGHT_NORMAL)


class ToolTip(object):
    @_registrado
    def __init__(self, tip):
        _comprobar(_esTexto(tip), 'ToolTip: the tip must be a string')
        self._texto = tip

    @_registrado
    def GetTip(self):
        return self._texto

    @_registrado
    def SetTip(self, tip):
        self._texto = tip

    def __repr__(self):
        return 'wx.ToolTip(%r)' % (self._texto,)


# --------------------------------------------------------------------------
# Events

_tipos = [10000]


def NewEventType():
    _tipos[0] += 1
    return _tipos[0]


wxEVT_NULL = 0
wxEVT_CLOSE_WINDOW = NewEventType()
wxEVT_COMMAND_BUTTON_CLICKED = wxEVT_BUTTON = NewEventType()
wxEVT_COMMAND_TEXT_UPDATED = wxEVT_TEXT = NewEventType()
wxEVT_ENTER_WINDOW = NewEventType()
wxEVT_LEAVE_WINDOW = NewEventType()
_TIPOS_ORDEN = (wxEVT_COMMAND_BUTTON_CLICKED, wxEVT_COMMAND_TEXT_UPDATED)


class PyEventBinder(object):
    def __init__(self, evtType, expectedIDs=0):
        self.evtType = [evtType]
        self.expectedIDs = expectedIDs

    @property
    def typeId(self):
        return self.evtType[0]

    def __repr__(self):
        return '<wx.PyEventBinder %d>' % self.typeId


EVT_CLOSE = PyEventBinder(wxEVT_CLOSE_WINDOW)
EVT_BUTTON = PyEventBinder(wxEVT_COMMAND_BUTTON_CLICKED, 1)
EVT_TEXT = PyEventBinder(wxEVT_COMMAND_TEXT_UPDATED, 1)
EVT_ENTER_WINDOW = PyEventBinder(wxEVT_ENTER_WINDOW)
EVT_LEAVE_WINDOW = PyEventBinder(wxEVT_LEAVE_WINDOW)


class Event(object):
    def __init__(self, id=0, eventType=wxEVT_NULL):
        self._id, self._tipo = id, eventType
        self._objeto = None
        self._saltado = False

    @_registrado
    def Skip(self, skip=True):
        self._saltado = skip

    @_registrado
    def GetSkipped(self):
        return self._saltado

    @_registrado
    def GetId(self):
        return self._id

    @_registrado
    def GetEventType(self):
        return self._tipo

    @_registrado
    def GetEventObject(self):
        return self._objeto

    @_registrado
    def SetEventObject(self, obj):
        self._objeto = obj

    @_registrado
    def IsCommandEvent(self):
        return False


class CommandEvent(Event):
    def __init__(self, commandType=wxEVT_NULL, winid=0):
        Event.__init__(self, winid, commandType)

    @_registrado
    def IsCommandEvent(self):
        return True


class CloseEvent(Event):
    def __init__(self, type=wxEVT_CLOSE_WINDOW, winid=0):
        Event.__init__(self, winid, type)
        self._vetable = True
        self._vetado = False

    @_registrado
    def CanVeto(self):
        return self._vetable

    @_registrado
    def SetCanVeto(self, canVeto):
        self._vetable = canVeto

    @_registrado
    def Veto(self, veto=True):
        self._vetado = veto

    @_registrado
    def GetVeto(self):
        return self._vetado


class MouseEvent(Event):
    def __init__(self, mouseType=wxEVT_NULL):
        Event.__init__(self, 0, mouseType)


# --------------------------------------------------------------------------
# Window state kept beside the objects, so that a window's __dict__ holds
# only what its own code puts there.

_estados = {}
_superiores = []     # top-level windows, oldest first
_ids = [-31000]      # ids given to windows created with ID_ANY


def _reiniciarEstado():
    _estados.clear()
    del _superiores[:]
    _ids[0] = -31000
    global respuestaMessageBox
    respuestaMessageBox = None


_r.alReiniciar(_reiniciarEstado)


def estado(ventana):
    """The double's state dict of a window (made on first use)."""
    par = _estados.get(id(ventana))
    if par is None or par[0] is not ventana:
        par = (ventana, {'padre': None, 'id': ID_ANY, 'nombre': '',
                         'posicion': (-1, -1), 'tamano': (-1, -1),
                         'estilo': 0, 'mostrado': True, 'destruido': False,
                         'habilitado': True, 'modal': False, 'centrado': None,
                         'sizer': None, 'sizerContenedor': None,
                         'fuente': None, 'tooltip': None, 'vinculos': [],
                         'hijos': [], 'etiqueta': u'', 'titulo': u'',
                         'valor': u'', 'puntoInsercion': 0, 'bitmaps': {},
                         'bajoPuntero': False})
        _estados[id(ventana)] = par
    return par[1]


def ventanasSuperiores():
    """The live (not destroyed) top-level windows, oldest first."""
    return [v for v in _superiores if not estado(v)['destruido']]


def _idNuevo():
    _ids[0] -= 1
    return _ids[0]


def _crearVentana(ventana, parent, id, pos, size, style, name, superior):
    _comprobar(parent is None or isinstance(parent, Window),
               '%s: parent must be None or a wx.Window, not %s'
               % (type(ventana).__name__, type(parent).__name__))
    _comprobar(isinstance(id, (int, long)), 'id must be an integer')
    _comprobar(isinstance(style, (int, long)), 'style must be an integer')
    _comprobar(_esTexto(name), 'name must be a string')
    datos = estado(ventana)
    datos.update(padre=parent, id=_idNuevo() if id == ID_ANY else id,
                 posicion=_par(pos, 'pos must be a wx.Point or (x, y)'),
                 tamano=_par(size, 'size must be a wx.Size or (w, h)'),
                 estilo=style, nombre=name, mostrado=not superior)
    if parent is not None:
        estado(parent)['hijos'].append(ventana)
    if superior:
        _superiores.append(ventana)
    return datos


def _coincideVinculo(vinculo, evento):
    binder, manejador, ident, ident2 = vinculo
    if binder.typeId != evento._tipo:
        return False
    if ident == ID_ANY:
        return True
    if ident2 == ID_ANY:
        return ident == evento._id
    return ident <= evento._id <= ident2


def _procesar(ventana, evento):
    """Run the handlers of ventana for evento; True if one took it."""
    for vinculo in reversed(list(estado(ventana)['vinculos'])):
        if not _coincideVinculo(vinculo, evento):
            continue
        evento._saltado = False
        vinculo[1](evento)
        if not evento._saltado:
            return True
    return False


def _enviar(ventana, evento):
    if _procesar(ventana, evento):
        return True
    if evento._tipo not in _TIPOS_ORDEN:
        return False
    actual = ventana
    while not isinstance(actual, TopLevelWindow):
        actual = estado(actual)['padre']
        if actual is None:
            return False
        if _procesar(actual, evento):
            return True
    return False


def _eventoPara(ventana, binder):
    tipo = binder.typeId
    ident = estado(ventana)['id']
    if tipo == wxEVT_CLOSE_WINDOW:
        evento = CloseEvent(tipo, ident)
    elif tipo in _TIPOS_ORDEN:
        evento = CommandEvent(tipo, ident)
    elif tipo in (wxEVT_ENTER_WINDOW, wxEVT_LEAVE_WINDOW):
        evento = MouseEvent(tipo)
        evento._id = ident
    else:
        evento = Event(ident, tipo)
    evento._objeto = ventana
    return evento


def _cerrar(ventana, evento):
    """Send a close event; without a handler taking it, destroy ventana.

    Returns (taken by a handler, not vetoed)."""
    tomado = _enviar(ventana, evento)
    if not tomado:
        estado(ventana)['destruido'] = True
    return tomado, not evento._vetado


# --------------------------------------------------------------------------
# Windows

class Object(object):
    def __repr__(self):
        return '<%s>' % (_r.etiquetaDada(self) or 'wx.' + type(self).__name__)


class EvtHandler(Object):
    @_registrado
    def Bind(self, event, handler, source=None, id=ID_ANY, id2=ID_ANY):
        _comprobar(isinstance(event, PyEventBinder),
                   'Bind: the event must be an event binder (wx.EVT_...)')
        _comprobar(callable(handler), 'Bind: the handler must be callable')
        if source is not None:
            id = estado(source)['id']
        estado(self)['vinculos'].append((event, handler, id, id2))

    @_registrado
    def Unbind(self, event, source=None, id=ID_ANY, id2=ID_ANY, handler=None):
        if source is not None:
            id = estado(source)['id']
        vinculos = estado(self)['vinculos']
        for vinculo in reversed(vinculos):
            if vinculo[0] is event and vinculo[2] == id and \
                    vinculo[3] == id2 and handler in (None, vinculo[1]):
                vinculos.remove(vinculo)
                return True
        return False


class Window(EvtHandler):
    @_registrado
    def __init__(self, parent, id=ID_ANY, pos=DefaultPosition,
                 size=DefaultSize, style=0, name=PanelNameStr):
        _crearVentana(self, parent, id, pos, size, style, name, False)

    @_registrado
    def Show(self, show=True):
        datos = estado(self)
        cambia = datos['mostrado'] != bool(show)
        datos['mostrado'] = bool(show)
        return cambia

    @_registrado
    def Hide(self):
        datos = estado(self)
        cambia = datos['mostrado']
        datos['mostrado'] = False
        return cambia

    @_registrado
    def IsShown(self):
        return estado(self)['mostrado']

    @_registrado
    def Centre(self, direction=BOTH):
        estado(self)['centrado'] = direction

    @_registrado
    def Center(self, direction=BOTH):
        estado(self)['centrado'] = direction

    @_registrado
    def Close(self, force=False):
        evento = _eventoPara(self, EVT_CLOSE)
        evento._vetable = not force
        return _cerrar(self, evento)[1]

    @_registrado
    def Destroy(self):
        estado(self)['destruido'] = True
        return True

    @_registrado
    def IsBeingDeleted(self):
        return estado(self)['destruido']

    @_registrado
    def Enable(self, enable=True):
        datos = estado(self)
        cambia = datos['habilitado'] != bool(enable)
        datos['habilitado'] = bool(enable)
        return cambia

    @_registrado
    def Disable(self):
        datos = estado(self)
        cambia = datos['habilitado']
        datos['habilitado'] = False
        return cambia

    @_registrado
    def IsEnabled(self):
        return estado(self)['habilitado']

    @_registrado
    def SetSizer(self, sizer, deleteOld=True):
        _comprobar(sizer is None or isinstance(sizer, Sizer),
                   'SetSizer: a wx.Sizer or None is expected')
        estado(self)['sizer'] = sizer
        if sizer is not None:
            sizer._ventana = self

    @_registrado
    def GetSizer(self):
        return estado(self)['sizer']

    @_registrado
    def GetContainingSizer(self):
        return estado(self)['sizerContenedor']

    @_registrado
    def Layout(self):
        return True

    @_registrado
    def Fit(self):
        pass

    @_registrado
    def Refresh(self, eraseBackground=True, rect=None):
        pass

    @_registrado
    def SetFocus(self):
        pass

    @_registrado
    def SetFont(self, font):
        _comprobar(isinstance(font, Font), 'SetFont: a wx.Font is expected')
        estado(self)['fuente'] = font
        return True

    @_registrado
    def GetFont(self):
        return estado(self)['fuente'] or NORMAL_FONT

    @_registrado
    def SetToolTip(self, tip):
        _comprobar(tip is None or _esTexto(tip) or isinstance(tip, ToolTip),
                   'SetToolTip: a wx.ToolTip or a string is expected')
        if _esTexto(tip):
            tip = _nuevo(ToolTip, tip)
        estado(self)['tooltip'] = tip

    @_registrado
    def SetToolTipString(self, tip):
        _comprobar(_esTexto(tip), 'SetToolTipString: a string is expected')
        estado(self)['tooltip'] = _nuevo(ToolTip, tip)

    @_registrado
    def GetToolTip(self):
        return estado(self)['tooltip']

    @_registrado
    def GetSize(self):
        return _nuevo(Size, *estado(self)['tamano'])

    @_registrado
    def SetSize(self, size):
        estado(self)['tamano'] = _par(size, 'SetSize: a wx.Size is expected')

    @_registrado
    def GetPosition(self):
        return _nuevo(Point, *estado(self)['posicion'])

    @_registrado
    def GetParent(self):
        return estado(self)['padre']

    @_registrado
    def GetChildren(self):
        return list(estado(self)['hijos'])

    @_registrado
    def GetId(self):
        return estado(self)['id']

    @_registrado
    def SetId(self, winid):
        estado(self)['id'] = winid

    @_registrado
    def GetName(self):
        return estado(self)['nombre']

    @_registrado
    def SetLabel(self, label):
        _comprobar(_esTexto(label), 'SetLabel: a string is expected')
        estado(self)['etiqueta'] = label

    @_registrado
    def GetLabel(self):
        return estado(self)['etiqueta']

    @_registrado
    def IsTopLevel(self):
        return isinstance(self, TopLevelWindow)


class TopLevelWindow(Window):
    @_registrado
    def SetTitle(self, title):
        _comprobar(_esTexto(title), 'SetTitle: a string is expected')
        estado(self)['titulo'] = title

    @_registrado
    def GetTitle(self):
        return estado(self)['titulo']

    @_registrado
    def Raise(self):
        pass

    @_registrado
    def MakeModal(self, modal=True):
        estado(self)['modal'] = bool(modal)
        for otra in ventanasSuperiores():
            if otra is not self:
                estado(otra)['habilitado'] = not modal


class Frame(TopLevelWindow):
    @_registrado
    def __init__(self, parent, id=ID_ANY, title=EmptyString,
                 pos=DefaultPosition, size=DefaultSize,
                 style=DEFAULT_FRAME_STYLE, name=FrameNameStr):
        _comprobar(_esTexto(title), 'Frame: the title must be a string')
        datos = _crearVentana(self, parent, id, pos, size, style, name, True)
        datos['titulo'] = title


class Panel(Window):
    @_registrado
    def __init__(self, parent, id=ID_ANY, pos=DefaultPosition,
                 size=DefaultSize, style=TAB_TRAVERSAL, name=PanelNameStr):
        _comprobar(parent is not None, 'Panel: a parent window is required')
        _crearVentana(self, parent, id, pos, size, style, name, False)


class Control(Window):
    pass


def _crearControl(control, parent, id, pos, size, style, name):
    _comprobar(parent is not None,
               '%s: a parent window is required' % type(control).__name__)
    return _crearVentana(control, parent, id, pos, size, style, name, False)


class StaticText(Control):
    @_registrado
    def __init__(self, parent, id=ID_ANY, label=EmptyString,
                 pos=DefaultPosition, size=DefaultSize, style=0,
                 name=StaticTextNameStr):
        _comprobar(_esTexto(label), 'StaticText: the label must be a string')
        datos = _crearControl(self, parent, id, pos, size, style, name)
        datos['etiqueta'] = label

    @_registrado
    def Wrap(self, width):
        pass


class TextCtrl(Control):
    @_registrado
    def __init__(self, parent, id=ID_ANY, value=EmptyString,
                 pos=DefaultPosition, size=DefaultSize, style=0,
                 validator=None, name=TextCtrlNameStr):
        _comprobar(_esTexto(value), 'TextCtrl: the value must be a string')
        datos = _crearControl(self, parent, id, pos, size, style, name)
        datos['valor'] = value

    @_registrado
    def GetValue(self):
        return estado(self)['valor']

    @_registrado
    def SetValue(self, value):
        _comprobar(_esTexto(value), 'SetValue: a string is expected')
        datos = estado(self)
        datos['valor'], datos['puntoInsercion'] = value, 0
        _enviar(self, _eventoPara(self, EVT_TEXT))

    @_registrado
    def ChangeValue(self, value):
        _comprobar(_esTexto(value), 'ChangeValue: a string is expected')
        datos = estado(self)
        datos['valor'], datos['puntoInsercion'] = value, 0

    @_registrado
    def AppendText(self, text):
        datos = estado(self)
        datos['valor'] += text
        datos['puntoInsercion'] = len(datos['valor'])
        _enviar(self, _eventoPara(self, EVT_TEXT))

    @_registrado
    def Clear(self):
        datos = estado(self)
        datos['valor'], datos['puntoInsercion'] = u'', 0
        _enviar(self, _eventoPara(self, EVT_TEXT))

    @_registrado
    def IsEmpty(self):
        return not estado(self)['valor']

    @_registrado
    def SetInsertionPoint(self, pos):
        estado(self)['puntoInsercion'] = pos

    @_registrado
    def SetInsertionPointEnd(self):
        datos = estado(self)
        datos['puntoInsercion'] = len(datos['valor'])

    @_registrado
    def GetInsertionPoint(self):
        return estado(self)['puntoInsercion']

    @_registrado
    def GetLastPosition(self):
        return len(estado(self)['valor'])

    @_registrado
    def SetMaxLength(self, len):
        pass

    @_registrado
    def SelectAll(self):
        pass


class Button(Control):
    @_registrado
    def __init__(self, parent, id=ID_ANY, label=EmptyString,
                 pos=DefaultPosition, size=DefaultSize, style=0,
                 validator=None, name=ButtonNameStr):
        _comprobar(_esTexto(label), 'Button: the label must be a string')
        datos = _crearControl(self, parent, id, pos, size, style, name)
        datos['etiqueta'] = label

    @_registrado
    def SetDefault(self):
        pass


def _bitmapDe(valor, texto):
    _comprobar(isinstance(valor, Bitmap), texto)
    return valor


class BitmapButton(Button):
    @_registrado
    def __init__(self, parent, id=ID_ANY, bitmap=NullBitmap,
                 pos=DefaultPosition, size=DefaultSize, style=BU_AUTODRAW,
                 validator=None, name=ButtonNameStr):
        _bitmapDe(bitmap, 'BitmapButton: bitmap must be a wx.Bitmap')
        datos = _crearControl(self, parent, id, pos, size, style, name)
        datos['bitmaps'] = {'label': bitmap}

    def _poner(self, clave, bitmap):
        estado(self)['bitmaps'][clave] = _bitmapDe(
            bitmap, 'a wx.Bitmap is expected')

    def _tomar(self, clave):
        return estado(self)['bitmaps'].get(clave, NullBitmap)

    @_registrado
    def SetBitmapLabel(self, bitmap):
        self._poner('label', bitmap)

    @_registrado
    def SetBitmap(self, bitmap):
        self._poner('label', bitmap)

    @_registrado
    def SetBitmapCurrent(self, bitmap):
        self._poner('current', bitmap)

    @_registrado
    def SetBitmapHover(self, hover):
        self._poner('current', hover)

    @_registrado
    def SetBitmapSelected(self, bitmap):
        self._poner('selected', bitmap)

    @_registrado
    def SetBitmapFocus(self, bitmap):
        self._poner('focus', bitmap)

    @_registrado
    def SetBitmapDisabled(self, bitmap):
        self._poner('disabled', bitmap)

    @_registrado
    def GetBitmapLabel(self):
        return self._tomar('label')

    @_registrado
    def GetBitmap(self):
        return self._tomar('label')

    @_registrado
    def GetBitmapCurrent(self):
        return self._tomar('current')

    @_registrado
    def GetBitmapHover(self):
        return self._tomar('current')

    @_registrado
    def GetBitmapSelected(self):
        return self._tomar('selected')

    @_registrado
    def GetBitmapFocus(self):
        return self._tomar('focus')

    @_registrado
    def GetBitmapDisabled(self):
        return self._tomar('disabled')


# --------------------------------------------------------------------------
# Sizers

class SizerItem(Object):
    def __init__(self, item, proportion, flag, border, userData):
        self._item = item
        self._datos = (proportion, flag, border, userData)

    @_registrado
    def IsWindow(self):
        return isinstance(self._item, Window)

    @_registrado
    def IsSizer(self):
        return isinstance(self._item, Sizer)

    @_registrado
    def IsSpacer(self):
        return isinstance(self._item, tuple)

    @_registrado
    def GetWindow(self):
        return self._item if isinstance(self._item, Window) else None

    @_registrado
    def GetSizer(self):
        return self._item if isinstance(self._item, Sizer) else None

    @_registrado
    def GetSpacer(self):
        item = self._item if isinstance(self._item, tuple) else (0, 0)
        return _nuevo(Size, *item)

    @_registrado
    def GetProportion(self):
        return self._datos[0]

    @_registrado
    def GetFlag(self):
        return self._datos[1]

    @_registrado
    def GetBorder(self):
        return self._datos[2]

    @_registrado
    def GetUserData(self):
        return self._datos[3]


class Sizer(Object):
    def _iniciar(self):
        self._elementos = []
        self._ventana = None

    def _anadir(self, item, proportion, flag, border, userData):
        if isinstance(item, Window):
            if estado(item)['sizerContenedor'] is not None:
                raise PyAssertionError(
                    'Adding a window already in a sizer, detach it first!')
            estado(item)['sizerContenedor'] = self
        elif isinstance(item, Sizer):
            pass
        else:
            item = _par(item, 'wx.Window, wx.Sizer, wx.Size, or (w,h) '
                              'expected for item')
        for valor, texto in ((proportion, 'proportion'), (flag, 'flag'),
                             (border, 'border')):
            _comprobar(isinstance(valor, (int, long)),
                       'Add: %s must be an integer' % texto)
        elemento = SizerItem(item, proportion, flag, border, userData)
        self._elementos.append(elemento)
        return elemento

    @_registrado
    def Add(self, item, proportion=0, flag=0, border=0, userData=None):
        return self._anadir(item, proportion, flag, border, userData)

    @_registrado
    def AddSpacer(self, size):
        return self._anadir((size, size), 0, 0, 0, None)

    @_registrado
    def AddStretchSpacer(self, prop=1):
        return self._anadir((0, 0), prop, 0, 0, None)

    @_registrado
    def GetChildren(self):
        return list(self._elementos)

    @_registrado
    def GetItemCount(self):
        return len(self._elementos)

    @_registrado
    def GetContainingWindow(self):
        return self._ventana

    @_registrado
    def Layout(self):
        pass

    @_registrado
    def Fit(self, window):
        return _nuevo(Size, -1, -1)


class BoxSizer(Sizer):
    @_registrado
    def __init__(self, orient=HORIZONTAL):
        _comprobar(orient in (HORIZONTAL, VERTICAL),
                   'BoxSizer: wx.HORIZONTAL or wx.VERTICAL expected')
        self._iniciar()
        self._orientacion = orient

    @_registrado
    def GetOrientation(self):
        return self._orientacion


# --------------------------------------------------------------------------
# Application and message boxes

_app = [None]


class App(EvtHandler):
    @_registrado
    def __init__(self, redirect=False, filename=None, useBestVisual=False,
                 clearSigInt=True):
        _app[0] = self
        iniciar = getattr(self, 'OnInit', None)
        if iniciar is not None:
            iniciar()

    @_registrado
    def MainLoop(self):
        return 0

    @_registrado
    def ExitMainLoop(self):
        pass


@_funcionRegistrada
def GetApp():
    return _app[0]


@_funcionRegistrada
def MessageBox(message, caption=MessageBoxCaptionStr, style=OK | CENTRE,
               parent=None, x=-1, y=-1):
    _comprobar(_esTexto(message) and _esTexto(caption),
               'MessageBox: message and caption must be strings')
    return OK if respuestaMessageBox is None else respuestaMessageBox


# --------------------------------------------------------------------------
# Test helpers (not logged)

def escribir(cuadro, texto):
    """The user types texto into the TextCtrl cuadro (replacing its text)."""
    datos = estado(cuadro)
    datos['valor'], datos['puntoInsercion'] = texto, len(texto)
    _enviar(cuadro, _eventoPara(cuadro, EVT_TEXT))


def disparar(ventana, binder, evento=None):
    """Deliver an event of binder from ventana; True if a handler took it."""
    if evento is None:
        evento = _eventoPara(ventana, binder)
    if binder.typeId == wxEVT_CLOSE_WINDOW:
        return _cerrar(ventana, evento)[0]
    return _enviar(ventana, evento)


def apuntar(boton, dentro=True):
    """The pointer enters (dentro) or leaves the window boton."""
    estado(boton)['bajoPuntero'] = bool(dentro)
    binder = EVT_ENTER_WINDOW if dentro else EVT_LEAVE_WINDOW
    return _enviar(boton, _eventoPara(boton, binder))


def bitmapMostrado(boton):
    """The bitmap that the BitmapButton boton shows right now."""
    bitmaps = estado(boton)['bitmaps']
    if estado(boton)['bajoPuntero'] and 'current' in bitmaps:
        return bitmaps['current']
    return bitmaps.get('label', NullBitmap)
