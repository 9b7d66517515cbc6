// Creating a class as a class statement does.
#pragma once
#include "python.h"

#include "error.h"
#include "object.h"

namespace pyl {

// class <name>(*bases): <namespace>. The metaclass is namespace's
// __metaclass__, else the class of the first base; the metaclass (type's
// __new__) then settles on the most derived one among all the bases. The
// namespace should hold __module__: the interpreter would otherwise take it
// from the calling Python frame, which is not ours.
Object make_class(const char* name, PyObject* bases, PyObject* namespace_, int line = PYL_CALLER_LINE);

}  // namespace pyl
