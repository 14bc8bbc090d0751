// ma2d3d-luci's driver: from the two command-line paths to the exit status.
#ifndef MA2D3D_LUCI_H
#define MA2D3D_LUCI_H

// Reads the scene argv[1] whole, then writes the header argv[2] through a
// temporary file beside it, renamed over it at the end: a failed run leaves
// an existing header as it was. Returns the exit status.
int eseguiLuci(int argc, const char* const* argv);

#endif
