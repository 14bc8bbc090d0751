// Compiles the code generated from the bundled example scene as the body of a
// function, runs it, and checks the lights it fills in; and checks the
// directions direzioneMaya gives against ones worked out by hand.
#include <cmath>
#include <cstdio>

#include "d3d9.h"
#include <ma2d3d/luce.h>

namespace {

int esiti[2];

void controlla(bool giusto, const char* cosa) {
    ++esiti[giusto ? 0 : 1];
    if (!giusto) std::printf("wrong: %s\n", cosa);
}

bool vicino(float a, double b) { return std::fabs(a - b) < 1e-6; }

}  // namespace

int main() {
#include "luci_esempio.inc"

    controlla(spotLight1.Type == D3DLIGHT_SPOT && spotLight3.Type == D3DLIGHT_SPOT, "type");
    controlla(spotLight1.Attenuation0 == 1.0f && spotLight2.Attenuation0 == 1.0f, "attenuation");
    controlla(spotLight1.Position.y == 12.5f && spotLight1.Position.z == -3.0f, "spotLight1 position");
    controlla(spotLight1.Diffuse.g == 0.89999998f && spotLight1.Diffuse.b == 0.75f, "spotLight1 colour");
    controlla(spotLight1.Range == 45.0f && spotLight1.Falloff == 4.5f, "spotLight1 cone");
    controlla(vicino(spotLight2.Direction.x, std::cos(-38.0)) && vicino(spotLight2.Direction.y, std::sin(-38.0)) &&
                  vicino(spotLight2.Direction.z, std::sin(25.0)),
              "spotLight2 direction");
    controlla(spotLight2.Position.x == 0 && spotLight2.Falloff == -2.0f, "spotLight2 position and falloff");
    controlla(spotLight3.Position.z == 4.25f && spotLight3.Range == 60.0f && spotLight3.Falloff == 0, "spotLight3");
    controlla(spotLight3.Specular.r == 0 && spotLight3.Ambient.a == 0 && spotLight3.Phi == 0, "zeroed members");

    // -Z turned about X, then Y, then Z. (90, 90, 0) tells the order: about
    // Y first, then X, it would give (-1, 0, 0).
    const double r = std::sqrt(0.5);
    const struct {
        float rx, ry, rz;
        double x, y, z;
    } direzioni[] = {
        {0, 0, 0, 0, 0, -1},      {-90, 0, 0, 0, -1, 0},    {90, 0, 0, 0, 1, 0},   {0, 90, 0, -1, 0, 0},
        {0, 0, 90, 0, 0, -1},     {-90, 0, 90, 1, 0, 0},    {90, 90, 0, 0, 1, 0},  {-45, -90, 0, r, -r, 0},
        {0, 180, 0, 0, 0, 1},     {-90, 0, -90, -1, 0, 0},  {0, 45, 0, -r, 0, -r},
    };
    for (const auto& d : direzioni) {
        const D3DVECTOR v = direzioneMaya(d.rx, d.ry, d.rz);
        char cosa[80];
        std::snprintf(cosa, sizeof cosa, "direzioneMaya(%g, %g, %g)", d.rx, d.ry, d.rz);
        controlla(vicino(v.x, d.x) && vicino(v.y, d.y) && vicino(v.z, d.z), cosa);
    }
    std::printf("%d passed, %d failed\n", esiti[0], esiti[1]);
    return esiti[1] == 0 ? 0 : 1;
}
