/* Routes the interpreter's object allocator to malloc, so that valgrind sees
 * every object allocation and release (pymalloc would hide them). */
#include <cstdlib>

extern "C" {

void* PyObject_Malloc(size_t n) { return std::malloc(n ? n : 1); }
void* PyObject_Realloc(void* p, size_t n) { return std::realloc(p, n ? n : 1); }
void PyObject_Free(void* p) { std::free(p); }
}
