// A stand-in for the few Direct3D 9 declarations the generated light code
// uses, with the members in Direct3D's order, so that the code can be
// compiled and run on any system, as C++ or as C.
#ifndef D3D9_SOSTITUTO_H
#define D3D9_SOSTITUTO_H

#ifdef __cplusplus
#include <cstring>
#define MA2D3D_AZZERA std::memset
#else
#include <string.h>
#define MA2D3D_AZZERA memset
#endif

typedef enum _D3DLIGHTTYPE { D3DLIGHT_POINT = 1, D3DLIGHT_SPOT = 2, D3DLIGHT_DIRECTIONAL = 3 } D3DLIGHTTYPE;

typedef struct _D3DCOLORVALUE {
    float r, g, b, a;
} D3DCOLORVALUE;

typedef struct _D3DVECTOR {
    float x, y, z;
} D3DVECTOR;

typedef struct _D3DLIGHT9 {
    D3DLIGHTTYPE Type;
    D3DCOLORVALUE Diffuse;
    D3DCOLORVALUE Specular;
    D3DCOLORVALUE Ambient;
    D3DVECTOR Position;
    D3DVECTOR Direction;
    float Range;
    float Falloff;
    float Attenuation0;
    float Attenuation1;
    float Attenuation2;
    float Theta;
    float Phi;
} D3DLIGHT9;

#define ZeroMemory(destinazione, lunghezza) MA2D3D_AZZERA((destinazione), 0, (lunghezza))

#endif
