// The one place the interpreter's headers are included from.
#pragma once
#include <Python.h>
#include <frameobject.h>
