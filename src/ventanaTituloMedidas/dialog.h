// The methods of DialogCambioNombreProducto, the window in which the user
// names a new set of improvement measures or a new alternative.
#pragma once
#include "pyl/function.h"

namespace ventana {

// __init__(self, parent, listadoObjetos, conjuntoOAlternativa=None,
//          nombre=u'', esProyecto=False, aplicandoProyecto=False)
extern const pyl::FunctionDef kInit;
// _init_ctrls(self, parent): the controls and their sizers.
extern const pyl::FunctionDef kInitCtrls;
// OnCloseWindow(self, event): hands the modal state back and destroys.
extern const pyl::FunctionDef kOnCloseWindow;
// OnAceptar(self, event): checks the name and puts it into effect.
extern const pyl::FunctionDef kOnAceptar;
// OnCancelar(self, event): closes.
extern const pyl::FunctionDef kOnCancelar;

}  // namespace ventana
