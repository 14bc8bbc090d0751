// Maya's transform matrix: the local matrix of a transform or a joint from
// its attributes, products of matrices, and points and directions mapped.
// Sines and cosines of whole multiples of 90 degrees are exact, so that a
// light turned by a right angle points exactly along an axis.
#include "matrice.h"

#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

// The sine and cosine of `gradi` degrees: exact at multiples of 90.
void senoCoseno(double gradi, double* seno, double* coseno) {
    double q = std::fmod(gradi, 360.0);
    if (q < 0) q += 360.0;
    if (q == 0.0 || q == 90.0 || q == 180.0 || q == 270.0) {
        const int n = static_cast<int>(q / 90.0);
        const double s[] = {0.0, 1.0, 0.0, -1.0};
        const double c[] = {1.0, 0.0, -1.0, 0.0};
        *seno = s[n];
        *coseno = c[n];
        return;
    }
    const double radianti = gradi * (PI / 180.0);
    *seno = std::sin(radianti);
    *coseno = std::cos(radianti);
}

Matrice traslazione(const double v[3]) {
    Matrice m = identita();
    m.m[3][0] = v[0];
    m.m[3][1] = v[1];
    m.m[3][2] = v[2];
    return m;
}

Matrice scala(const float v[3]) {
    Matrice m = identita();
    m.m[0][0] = v[0];
    m.m[1][1] = v[1];
    m.m[2][2] = v[2];
    return m;
}

// Shear xy, xz, yz as Maya's shear matrix has them, below the diagonal for
// row vectors: x gains xy times y and xz times z, y gains yz times z.
Matrice taglio(const float v[3]) {
    Matrice m = identita();
    m.m[1][0] = v[0];
    m.m[2][0] = v[1];
    m.m[2][1] = v[2];
    return m;
}

// The rotation by `gradi` about axis `asse` (0 x, 1 y, 2 z), for row vectors.
Matrice attorno(int asse, double gradi) {
    double s, c;
    senoCoseno(gradi, &s, &c);
    Matrice m = identita();
    const int a = (asse + 1) % 3, b = (asse + 2) % 3;
    m.m[a][a] = c;
    m.m[a][b] = s;
    m.m[b][a] = -s;
    m.m[b][b] = c;
    return m;
}

}  // namespace

Trasformata trasformataIniziale() {
    Trasformata t{};
    t.s[0] = t.s[1] = t.s[2] = 1.0f;
    return t;
}

Matrice identita() {
    Matrice m{};
    for (int i = 0; i < 4; ++i) m.m[i][i] = 1.0;
    return m;
}

Matrice prodotto(const Matrice& a, const Matrice& b) {
    Matrice r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k) r.m[i][j] += a.m[i][k] * b.m[k][j];
    return r;
}

Matrice rotazione(const float gradi[3], int ordine) {
    // The axes in the order they apply, first to last.
    static const int ORDINI[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};
    const int* assi = ORDINI[ordine >= 0 && ordine < 6 ? ordine : 0];
    Matrice m = attorno(assi[0], gradi[assi[0]]);
    m = prodotto(m, attorno(assi[1], gradi[assi[1]]));
    return prodotto(m, attorno(assi[2], gradi[assi[2]]));
}

namespace {

bool nullo(const float v[3]) { return v[0] == 0.0f && v[1] == 0.0f && v[2] == 0.0f; }

// m times the translation by v (or by -v), where v is not zero.
void trasla(Matrice& m, const float v[3], double segno) {
    if (!nullo(v)) {
        const double w[3] = {segno * v[0], segno * v[1], segno * v[2]};
        m = prodotto(m, traslazione(w));
    }
}

}  // namespace

// Factors at their defaults (a zero translation, pivot or angle, a scale of
// one) are the identity and are left out of the products.
Matrice matriceLocale(const Trasformata& t) {
    const bool unita = t.s[0] == 1.0f && t.s[1] == 1.0f && t.s[2] == 1.0f;
    Matrice m = identita();
    if (t.giunto) {
        if (!unita) m = scala(t.s);
        if (!nullo(t.ra)) m = prodotto(m, rotazione(t.ra, 0));
        if (!nullo(t.r)) m = prodotto(m, rotazione(t.r, t.ro));
        if (!nullo(t.jo)) m = prodotto(m, rotazione(t.jo, 0));
        trasla(m, t.t, 1.0);
        return m;
    }
    if (!unita || !nullo(t.sh)) {
        trasla(m, t.sp, -1.0);
        if (!unita) m = prodotto(m, scala(t.s));
        if (!nullo(t.sh)) m = prodotto(m, taglio(t.sh));
        trasla(m, t.sp, 1.0);
    }
    trasla(m, t.spt, 1.0);
    if (!nullo(t.ra) || !nullo(t.r)) {
        trasla(m, t.rp, -1.0);
        if (!nullo(t.ra)) m = prodotto(m, rotazione(t.ra, 0));
        if (!nullo(t.r)) m = prodotto(m, rotazione(t.r, t.ro));
        trasla(m, t.rp, 1.0);
    }
    trasla(m, t.rpt, 1.0);
    trasla(m, t.t, 1.0);
    return m;
}

Vettore3 punto(const Matrice& m, Vettore3 p) {
    return {p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0],
            p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1],
            p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2]};
}

Vettore3 direzione(const Matrice& m, Vettore3 d) {
    return {d.x * m.m[0][0] + d.y * m.m[1][0] + d.z * m.m[2][0],
            d.x * m.m[0][1] + d.y * m.m[1][1] + d.z * m.m[2][1],
            d.x * m.m[0][2] + d.y * m.m[1][2] + d.z * m.m[2][2]};
}
