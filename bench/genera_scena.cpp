// Writes a large Maya-like scene for benchmarks and tests: meshes with long
// vertex arrays, transforms, cameras, and a spot light every few nodes.
// usage: genera_scena MIB SEED [NODES_PER_LIGHT] > scene.ma
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

std::uint64_t stato;

std::uint32_t casuale() {
    stato ^= stato << 13;
    stato ^= stato >> 7;
    stato ^= stato << 17;
    return static_cast<std::uint32_t>(stato);
}

// A coordinate such as -0.5, 12.25 or 3.0517578e-05, as Maya writes them.
int coordinata(char* s) {
    const std::uint32_t r = casuale();
    const int intera = static_cast<int>(r % 41) - 20;
    const unsigned frazione = (r >> 8) % 100000;
    if ((r >> 28) == 0) return std::sprintf(s, "%u.%05ue-0%u", frazione % 9 + 1, frazione, (r >> 4) % 9 + 1);
    if (frazione == 0) return std::sprintf(s, "%d", intera);
    return std::sprintf(s, "%s%d.%05u", intera == 0 && (r & 1) ? "-" : "", intera, frazione);
}

void mesh(std::FILE* f, unsigned n) {
    const unsigned vertici = 200 + casuale() % 3000;
    std::fprintf(f, "createNode transform -n \"pCube%u\";\n\tsetAttr \".t\" -type \"double3\" 0 %u 0 ;\n", n, n % 7);
    std::fprintf(f, "createNode mesh -n \"pCubeShape%u\" -p \"pCube%u\";\n\tsetAttr -k off \".v\";\n", n, n);
    std::fprintf(f, "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n");
    std::fprintf(f, "\tsetAttr -s %u \".vt[0:%u]\"", vertici, vertici - 1);
    char numero[64];
    for (unsigned i = 0; i < vertici * 3; ++i) {
        coordinata(numero);
        std::fprintf(f, i % 12 == 11 ? " %s\n\t\t" : " %s", numero);
    }
    std::fprintf(f, ";\n\tsetAttr -s %u \".ed[0:%u]\"", vertici, vertici - 1);
    for (unsigned i = 0; i < vertici; ++i)
        std::fprintf(f, i % 10 == 9 ? " %u %u 0\n\t\t" : " %u %u 0", i, (i + 1) % vertici);
    std::fprintf(f, ";\n\tsetAttr \".fc[0]\" -type \"polyFaces\" \n\t\tf 4 0 1 2 3 \n\t\tmu 0 4 0 1 2 3 ;\n");
}

void luce(std::FILE* f, unsigned n) {
    char x[64], y[64], z[64];
    coordinata(x), coordinata(y), coordinata(z);
    if (n % 3 == 0)
        std::fprintf(f, "createNode transform -n \"spotLight%u\" -p \"gruppoLuci\";\n", n);
    else
        std::fprintf(f, "createNode transform -n \"spotLight%u\";\n\tsetAttr \".t\" -type \"double3\" %s %s %s ;\n", n,
                     x, y, z);
    std::fprintf(f, "\tsetAttr \".r\" -type \"double3\" %d %d 0 ;\n", static_cast<int>(casuale() % 180) - 90,
                 static_cast<int>(casuale() % 360) - 180);
    std::fprintf(f, "createNode spotLight -n \"spotLightShape%u\" -p \"spotLight%u\";\n\tsetAttr -k off \".v\";\n", n, n);
    std::fprintf(f, "\tsetAttr \".cl\" -type \"float3\" 1 0.%u 0.%u ;\n", casuale() % 1000, casuale() % 1000);
    std::fprintf(f, "\tsetAttr \".ca\" %u;\n\tsetAttr \".pa\" %u.5;\n", 20 + casuale() % 60, casuale() % 10);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: genera_scena MIB SEED [NODES_PER_LIGHT] > scene.ma\n", stderr);
        return 1;
    }
    const double mib = std::atof(argv[1]);
    stato = std::strtoull(argv[2], nullptr, 10) * 2654435761u + 88172645463325252ull;
    const unsigned ogni = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 5;
    std::FILE* f = stdout;
    std::fprintf(f, "//Maya ASCII 2008 scene\n//Name: generata.ma\nrequires maya \"2008\";\n");
    std::fprintf(f, "currentUnit -l centimeter -a degree -t film;\n");
    std::fprintf(f, "createNode transform -s -n \"persp\";\n\tsetAttr \".v\" no;\n");
    std::fprintf(f, "createNode camera -s -n \"perspShape\" -p \"persp\";\n\tsetAttr \".fl\" 34.999999999999993;\n");
    std::fprintf(f, "createNode transform -n \"gruppoLuci\";\n\tsetAttr \".t\" -type \"double3\" 0 10 0 ;\n");
    const long long limite = static_cast<long long>(mib * 1024 * 1024);
    for (unsigned n = 1; std::ftell(f) < limite || std::ftell(f) < 0; ++n) {
        if (ogni > 0 && n % ogni == 0)
            luce(f, n / ogni);
        else
            mesh(f, n);
        if (std::ftell(f) < 0 && n > mib * 40) break;  // a pipe: count nodes instead
    }
    std::fprintf(f, "createNode lightLinker -n \"lightLinker1\";\n// End of generata.ma\n");
    return 0;
}
