#include "traceback.h"

#include <map>
#include <string>
#include <tuple>

namespace pyl {

namespace {

// The interpreter shows a code object's first line, not the frame's, so each
// (function, file, line) needs a code object of its own. They are made once
// and kept.
PyCodeObject* code_for(const char* function, const char* file, int line) {
  // Never destroyed: the codes outlive any static destructor.
  static auto& codes = *new std::map<std::tuple<std::string, std::string, int>, PyCodeObject*>;
  auto key = std::make_tuple(std::string(function), std::string(file), line);
  auto found = codes.find(key);
  if (found != codes.end()) return found->second;
  PyCodeObject* code = PyCode_NewEmpty(file, function, line);
  if (code) codes.emplace(key, code);
  return code;
}

}  // namespace

void add_traceback(const char* function, const char* file, int line, PyObject* globals) {
  PyObject *type, *value, *tb;
  PyErr_Fetch(&type, &value, &tb);
  PyCodeObject* code = code_for(function, file, line);
  PyObject* scratch = nullptr;
  if (!globals || !PyDict_Check(globals)) globals = scratch = PyDict_New();
  PyFrameObject* frame = (code && globals) ? PyFrame_New(PyThreadState_Get(), code, globals, nullptr) : nullptr;
  // Anything that failed while making the entry is dropped: the error the
  // caller sees is the original one.
  PyErr_Clear();
  PyErr_Restore(type, value, tb);
  if (frame) {
    frame->f_lineno = line;
    PyTraceBack_Here(frame);
    Py_DECREF(frame);
  }
  Py_XDECREF(scratch);
}

}  // namespace pyl
