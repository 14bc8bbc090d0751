// The converter and the simple reader as a test program holds them inside
// namespace semplice (spazio.cmake), beside the program's own: the same
// headers, declared again inside the namespace.
#ifndef MA2D3D_SEMPLICE_H
#define MA2D3D_SEMPLICE_H

#include "sistema.h"
#include "driver/driver.h"
#include "driver/flussi.h"
#include "output/codice.h"
#include "scanner/flusso/flusso.h"
#include "scanner/scanner.h"

#undef MA2D3D_DRIVER_H
#undef MA2D3D_FLUSSI_H
#undef MA2D3D_CODICE_H
#undef MA2D3D_FLUSSO_H
#undef MA2D3D_SCANNER_H
namespace semplice {
#include "driver/driver.h"
#include "driver/flussi.h"
#include "output/codice.h"
#include "scanner/flusso/flusso.h"
#include "scanner/scanner.h"
}  // namespace semplice

#endif
