//Maya ASCII 2024 scene
//Name: gruppi_e_percorsi.ma
//Three groups named "braccio", one at the root, told apart by DAG paths
//(absolute and relative); a joint with a joint orient; attributes set by long name and
//one component at a time, some through select -ne after later nodes; a
//script whose string holds "; createNode spotLight"; comments; a light
//renamed in Maya.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "braccio";
	setAttr ".t" -type "double3" 0 0 7 ;
createNode transform -n "sinistra";
	setAttr ".t" -type "double3" -10 0 0 ;
createNode transform -n "braccio" -p "sinistra";
	setAttr ".tx" 1;
createNode transform -n "destra";
	setAttr ".translate" -type "double3" 10 0 0 ;
createNode transform -n "braccio" -p "|destra";
	setAttr ".translateY" 2;
createNode transform -n "keyLight" -p "destra|braccio";
	setAttr ".t" -type "double3" 0 5 0 ;
	rename -uid "4A34309D-46E7-A6C0-B39E-83BEEFCDB91F";
createNode spotLight -n "keyLightShape" -p "|destra|braccio|keyLight";
	setAttr -k off ".v";
	setAttr ".colorR" 0.5;
	setAttr ".cg" 0.25;
	setAttr ".intensity" 4;
createNode script -n "uiConfigurationScriptNode";
	setAttr ".b" -type "string" (
		"// a comment in a string; createNode spotLight -n \"finta\";\n"
		+ "setAttr \".t\" 1 2 3; \"quoted\" ; createNode pointLight");
	setAttr ".st" 3;
createNode joint -n "spalla" -p "sinistra|braccio"; // a joint: S * RA * R * JO * T
	setAttr ".t" -type "double3" 0 3 0 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
createNode directionalLight -n "soleShape" -p "spalla";
createNode transform -n "sole2";
createNode directionalLight -n "sole2Shape" -p "sole2";
select -ne "|sinistra|braccio";
	setAttr ".ty" 1;
select -ne :sole2;
	setAttr -k on ".rotateX" -45;
	setAttr ".ry" 180;
select -ne |sinistra|braccio|spalla;
	setAttr -av ".ry" 90;
createNode pointLight -n "lampadaRadice" -p "|braccio";
// End of gruppi_e_percorsi.ma
