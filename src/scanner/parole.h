// The scanner's keywords and the prefix test made against them.
#ifndef MA2D3D_PAROLE_H
#define MA2D3D_PAROLE_H

enum Parola {
    CREATE_NODE,      // first word of a node statement
    TRANSFORM,        // node type of a transform node
    SPOT_LIGHT,       // node type of a spot light shape
    SET_ATTR,         // first word of an attribute statement
    ATTR_COLORE,      // ".cl", colour
    TIPO_FLOAT3,      // "float3", type of the three colour values
    ATTR_CONO,        // ".ca", cone angle
    ATTR_PENOMBRA,    // ".pa", penumbra angle
    NOME_LUCE,        // "spotLight, start of a light transform's quoted name
    ATTR_TRASLAZIONE, // ".t", translate
    TIPO_DOUBLE3,     // "double3", type of translate and rotate values
    ATTR_ROTAZIONE,   // ".r", rotate
    NUMERO_PAROLE
};

// True when the first n characters of `token` equal those of the keyword, n
// being the keyword's comparison length (its full length): `transformX`
// matches transform, `".tx"` does not match ".t". Case-sensitive.
bool corrisponde(const char* token, Parola parola);

// The keyword's comparison length (at most 10).
unsigned lunghezzaConfronto(Parola parola);

#endif
