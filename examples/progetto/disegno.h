// The room of stanza.ma drawn with Direct3D 9 (Windows only): a floor and
// three boxes under a camera that looks straight down, as Maya's top view
// does, lit by the lights enabled on the device, saved as a PNG picture. The
// view and projection are right-handed, as Maya's axes are.
#ifndef STANZA_DISEGNO_H
#define STANZA_DISEGNO_H

#include <windows.h>
#include <d3d9.h>

// The picture is LARGHEZZA x ALTEZZA pixels. The camera stands ALTEZZA_CAMERA
// units above the centre of the floor and sees PIXEL_PER_UNITA pixels per
// unit there: the floor point (x, 0, z) falls on the centre of the pixel in
// column LARGHEZZA / 2 + x * PIXEL_PER_UNITA, row ALTEZZA / 2 + z * PIXEL_PER_UNITA
// (x to the right and z down the picture, as in Maya's top view).
const int LARGHEZZA = 640;
const int ALTEZZA = 480;
const float ALTEZZA_CAMERA = 10.0f;
const float PIXEL_PER_UNITA = 48.0f;
// Direct3D 9 lights a surface at its corners only, so the floor is a grid of
// squares this wide (6 pixels).
const float PASSO = 0.125f;

// Opens a window and a Direct3D 9 device on it; null, after a message, when
// there is none to be had.
IDirect3DDevice9* apriDispositivo();

// Draws the room with the lights enabled on the device.
void disegnaStanza(IDirect3DDevice9* dispositivo);

// Saves what was drawn as a PNG file; false after a message.
bool salvaImmagine(IDirect3DDevice9* dispositivo, const char* percorso);

#endif
