# Finds the Python 2.7 interpreter and headers. Without an explicit
# Python2_ROOT_DIR, the newest 2.7 install of pyenv is used as the hint.
if(NOT Python2_ROOT_DIR)
  find_program(PYENV_EXECUTABLE pyenv)
  if(PYENV_EXECUTABLE)
    execute_process(COMMAND ${PYENV_EXECUTABLE} root
                    OUTPUT_VARIABLE _pyenv_root OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _pyenv_rc)
    if(_pyenv_rc EQUAL 0)
      file(GLOB _py27 LIST_DIRECTORIES true "${_pyenv_root}/versions/2.7*")
      if(_py27)
        list(SORT _py27)
        list(REVERSE _py27)
        list(GET _py27 0 Python2_ROOT_DIR)
      endif()
    endif()
  endif()
endif()

find_package(Python2 2.7 COMPONENTS Interpreter Development.Module)
if(NOT Python2_Interpreter_FOUND OR NOT Python2_Development.Module_FOUND)
  set(_missing "")
  if(NOT Python2_Interpreter_FOUND)
    list(APPEND _missing "the interpreter")
  endif()
  if(NOT Python2_Development.Module_FOUND)
    list(APPEND _missing "the headers (Python.h)")
  endif()
  string(REPLACE ";" " and " _missing "${_missing}")
  message(FATAL_ERROR
    "Python 2.7 is required, but ${_missing} could not be found. "
    "Install Python 2.7 (for example with pyenv) or pass -DPython2_ROOT_DIR=<prefix>.")
endif()
message(STATUS "Python 2.7: ${Python2_EXECUTABLE}")
