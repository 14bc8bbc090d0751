// Program entry: ma2d3d SCENE.ma CODE_FILE
#include "driver.h"

#ifdef __MINGW32__
// Let the start-up code expand wildcards in the arguments, as on MSVC with
// setargv.obj.
int _dowildcard = -1;
#endif

int main(int argc, char** argv) { return esegui(argc, argv); }
