// Included first in every source of the fuzzer's second converter: gives each
// name that the converter defines for the rest of the program a name of its
// own, so that the converter on the simple reader can sit beside the one on
// the block reader in one program. That takes in the handlers' inline steps,
// which call the reader: under one name, one program keeps one of their two
// bodies for both converters.
#ifndef MA2D3D_SEMPLICE_RINOMINA_H
#define MA2D3D_SEMPLICE_RINOMINA_H

#define fileMA semplice_fileMA
#define fileX semplice_fileX
#define fd semplice_fd
#define stringa semplice_stringa
#define esegui semplice_esegui
#define convertiScena semplice_convertiScena
#define creaFile semplice_creaFile
#define chiudiFile semplice_chiudiFile
#define stessoFile semplice_stessoFile
#define token semplice_token
#define numero semplice_numero
#define leggiFinoA semplice_leggiFinoA
#define leggiAttributo semplice_leggiAttributo
#define leggiFine semplice_leggiFine
#define scriviNumeroLetto semplice_scriviNumeroLetto
#define parseString semplice_parseString
#define nomeluce semplice_nomeluce
#define lunghezzaNome semplice_lunghezzaNome
#define num_luce semplice_num_luce
#define tries semplice_tries
#define azzeraLuci semplice_azzeraLuci
#define gestisciTrasformazione semplice_gestisciTrasformazione
#define trasformazioneLetta semplice_trasformazioneLetta
#define spegni semplice_spegni
#define gestisciForma semplice_gestisciForma
#define scriviDichiarazione semplice_scriviDichiarazione
#define scriviProprieta semplice_scriviProprieta
#define scriviNumero semplice_scriviNumero
#define scriviIntero semplice_scriviIntero
#define svuotaUscita semplice_svuotaUscita
#define apriFlusso semplice_apriFlusso
#define impostaBlocco semplice_impostaBlocco
#define primoBlocco semplice_primoBlocco
#define leggiToken semplice_leggiToken
#define apriLettura semplice_apriLettura
#define leggiTokenNodo semplice_leggiTokenNodo
#define seguono semplice_seguono
#define nessunaFra semplice_nessunaFra
#define leggiNumero semplice_leggiNumero
#define fineFlusso semplice_fineFlusso
#define erroreFlusso semplice_erroreFlusso
#define interoDi semplice_interoDi

#endif
