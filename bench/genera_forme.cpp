// Writes scenes of one extreme shape each, for measuring that the converter's
// speed does not depend on what a scene holds.
// usage: genera_forme SHAPE MIB > scene.ma, SHAPE being one of
//   connessioni   connectAttr "a.b" "c.d"; lines only
//   trasformazioni  createNode transform -n "grpN"; with a translate, no light
//   c             the one-letter token c, repeated
//   luci          nothing but complete spot lights (transform and shape)
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long long scritti = 0;

void scrivi(const char* testo) {
    scritti += static_cast<long long>(std::strlen(testo));
    std::fputs(testo, stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: genera_forme connessioni|trasformazioni|c|luci MIB > scene.ma\n", stderr);
        return 1;
    }
    const char* forma = argv[1];
    const long long limite = static_cast<long long>(std::atof(argv[2]) * 1024 * 1024);
    char riga[512];
    for (unsigned long n = 1; scritti < limite; ++n) {
        if (std::strcmp(forma, "connessioni") == 0) {
            std::snprintf(riga, sizeof riga, "connectAttr \"pCube%lu.msg\" \"lightLinker1.lnk[%lu].olnk\";\n", n, n);
        } else if (std::strcmp(forma, "trasformazioni") == 0) {
            std::snprintf(riga, sizeof riga,
                          "createNode transform -n \"grp%lu\";\n\tsetAttr \".t\" -type \"double3\" %lu.5 -2 0.25 ;\n",
                          n, n % 100);
        } else if (std::strcmp(forma, "c") == 0) {
            std::strcpy(riga, "c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c\n");
        } else if (std::strcmp(forma, "luci") == 0) {
            std::snprintf(riga, sizeof riga,
                          "createNode transform -n \"spotLight%lu\";\n"
                          "\tsetAttr \".t\" -type \"double3\" %lu.25 12.5 -3.125 ;\n"
                          "\tsetAttr \".r\" -type \"double3\" -%lu 25 0 ;\n"
                          "createNode spotLight -n \"spotLightShape%lu\" -p \"spotLight%lu\";\n"
                          "\tsetAttr -k off \".v\";\n"
                          "\tsetAttr \".cl\" -type \"float3\" 1 0.%03lu 0.75 ;\n"
                          "\tsetAttr \".ca\" %lu.5;\n"
                          "\tsetAttr \".pa\" 4.%lu;\n",
                          n, n % 1000, n % 90, n, n, n % 1000, 20 + n % 60, n % 10);
        } else {
            std::fprintf(stderr, "unknown shape %s\n", forma);
            return 1;
        }
        scrivi(riga);
    }
    return 0;
}
