// Maya's transform matrix, with row vectors (a point maps as p' = p * M), in
// double precision: a node's local matrix from its attributes, and products.
#ifndef MA2D3D_LUCI_MATRICE_H
#define MA2D3D_LUCI_MATRICE_H

struct Matrice {
    double m[4][4];
};

struct Vettore3 {
    double x, y, z;
};

// A transform's attributes, each at Maya's default until the scene sets it.
// Angles are in degrees, whatever unit the scene wrote them in.
struct Trasformata {
    float t[3], r[3], s[3], sh[3], sp[3], spt[3], rp[3], rpt[3], ra[3], jo[3];
    int ro;       // rotate order: 0 xyz, 1 yzx, 2 zxy, 3 xzy, 4 yxz, 5 zyx
    bool giunto;  // a joint: S * RA * R * JO * T
};

// A transform at Maya's defaults: scale 1, everything else 0, order xyz.
Trasformata trasformataIniziale();

Matrice identita();
Matrice prodotto(const Matrice& a, const Matrice& b);

// The rotation about x, y, then z (for row vectors: Rx * Ry * Rz), in
// degrees, composed in rotate order `ordine` (a value outside 0 to 5 is xyz).
Matrice rotazione(const float gradi[3], int ordine);

// SP^-1 * S * SH * SP * ST * RP^-1 * RA * R * RP * RT * T, or for a joint
// S * RA * R * JO * T.
Matrice matriceLocale(const Trasformata& t);

// The point `p` and the direction `d` (no translation) mapped by `m`.
Vettore3 punto(const Matrice& m, Vettore3 p);
Vettore3 direzione(const Matrice& m, Vettore3 d);

#endif
