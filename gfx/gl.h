#pragma once

// The one place the fixed-function GL and GLU headers come in.
#include <GL/gl.h>
#include <GL/glu.h>
