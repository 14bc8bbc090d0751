// completaLuce: makes a spot light that ma2d3d wrote ready for Direct3D 9's
// SetLight. Include <d3d9.h> first.
//
// The code file holds what the scene says of a light: its Position, its
// colour in Diffuse (when the scene gives one), its cone angle in Range and
// its penumbra angle in Falloff, both in degrees as Maya has them, and
// Direction almost never. completaLuce fills in the rest the way Maya lights
// the scene:
// - Diffuse: white when the scene gave no colour (all three zero), since Maya
//   leaves its default white out of the scene.
// - Theta and Phi, in radians, from the two angles. Maya's cone angle (40
//   when the scene gave none) is the beam's full angle, and its penumbra
//   angle widens the beam's edge by that angle on each side (narrows it, when
//   negative), across which the light fades out. So the smaller of cone and
//   cone + 2 x penumbra is Theta, where Direct3D's full light ends, and the
//   larger is Phi, where its light ends; both kept within 0 and pi.
// - Falloff: 1, which fades the light evenly from Theta to Phi, as Maya's
//   penumbra does.
// - Range: `distanza`, since Maya's light reaches without limit and
//   Direct3D's only as far as Range: give the size of your scene.
// - Direction: `direzione` when the scene gave none (all three zero).
// Attenuation0 stays 1, as ma2d3d writes it: a light as strong far away as
// near, as a Maya light with no decay.
//
// direzioneMaya: the direction a Maya light points, from the rotate angles
// of its transform (`.r`, in degrees, rotate order xyz), in the axes of the
// code file's Position:
//     spotLight1.Direction = direzioneMaya(-90.0f, 0.0f, 0.0f);  // (0, -1, 0)
#ifndef MA2D3D_LUCE_H
#define MA2D3D_LUCE_H

#include <cmath>

inline void completaLuce(D3DLIGHT9* luce, float distanza, D3DVECTOR direzione) {
    const float pi = 3.14159265f;
    if (luce->Diffuse.r == 0.0f && luce->Diffuse.g == 0.0f && luce->Diffuse.b == 0.0f) {
        luce->Diffuse.r = luce->Diffuse.g = luce->Diffuse.b = 1.0f;
    }
    const float cono = luce->Range != 0.0f ? luce->Range : 40.0f;
    const float bordo = cono + 2.0f * luce->Falloff;
    const float interno = std::fmin(cono, bordo) * pi / 180.0f;
    const float esterno = std::fmax(cono, bordo) * pi / 180.0f;
    luce->Theta = std::fmin(std::fmax(interno, 0.0f), pi);
    luce->Phi = std::fmin(std::fmax(esterno, 0.0f), pi);
    luce->Falloff = 1.0f;
    luce->Range = distanza;
    if (luce->Direction.x == 0.0f && luce->Direction.y == 0.0f && luce->Direction.z == 0.0f) {
        luce->Direction = direzione;
    }
}

// A Maya light points down its local -Z axis. Rotate order xyz turns it
// about X by rx, then about Y by ry, then about Z by rz (each
// counterclockwise looking down the axis toward the origin).
inline D3DVECTOR direzioneMaya(float rx, float ry, float rz) {
    const double radianti = 3.14159265358979323846 / 180.0;
    const double ca = std::cos(rx * radianti), sa = std::sin(rx * radianti);
    const double cb = std::cos(ry * radianti), sb = std::sin(ry * radianti);
    const double cc = std::cos(rz * radianti), sc = std::sin(rz * radianti);
    // -Z about X: (0, sa, -ca); about Y: (-ca sb, sa, -ca cb); then about Z.
    const double x = -ca * sb, y = sa, z = -ca * cb;
    D3DVECTOR d;
    d.x = static_cast<float>(cc * x - sc * y);
    d.y = static_cast<float>(sc * x + cc * y);
    d.z = static_cast<float>(z);
    return d;
}

#endif
