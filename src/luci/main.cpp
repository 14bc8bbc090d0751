// Program entry: ma2d3d-luci SCENE.ma HEADER
#include "luci.h"

#ifdef __MINGW32__
// Let the start-up code expand wildcards in the arguments, as ma2d3d does.
int _dowildcard = -1;
#endif

int main(int argc, char** argv) { return eseguiLuci(argc, argv); }
