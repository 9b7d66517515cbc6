"""The classic wx API over wxWidgets 3.2: every public name of wx._core."""
from wx._core import *
