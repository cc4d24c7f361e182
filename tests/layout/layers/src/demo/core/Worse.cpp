// A core source that includes a window header: the layer check must refuse it.
#include "Window.h"
