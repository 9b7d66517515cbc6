// Python values to toolkit values and back. Each conversion names the value
// it converts (`what`, e.g. "width") in its TypeError.
#pragma once
#include "pyl/python.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "pyl/error.h"
#include "pyl/object.h"

namespace wxpy {

// An int or long (bool included) that fits a C int or long.
long to_long(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
int to_int(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
// str (UTF-8) or unicode.
wxString to_string(PyObject* o, const char* what, int line = PYL_CALLER_LINE);
pyl::Object from_string(const wxString& s, int line = PYL_CALLER_LINE);  // unicode

// A (first, second) pair of integers from a 2-item tuple or list.
bool int_pair(PyObject* o, int& first, int& second, int line = PYL_CALLER_LINE);

// TypeError "<what> must be <expected>, not <type of o>".
[[noreturn]] void wrong_type(PyObject* o, const char* what, const char* expected, int line = PYL_CALLER_LINE);

}  // namespace wxpy
