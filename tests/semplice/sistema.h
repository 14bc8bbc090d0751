// Every standard and system header that the converter's sources include, for
// a program that builds a second converter inside a namespace of its own
// (spazio.cmake): included first, at global scope, so that the sources'
// own includes of them add nothing inside that namespace.
#ifndef MA2D3D_SISTEMA_H
#define MA2D3D_SISTEMA_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#endif
