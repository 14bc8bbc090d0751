// The two streams the driver opens and owns for the whole run.
#ifndef MA2D3D_FLUSSI_H
#define MA2D3D_FLUSSI_H

#include <cstdio>

extern std::FILE* fileMA;  // the scene, read as text
extern std::FILE* fileX;   // the code file, written as text

#endif
