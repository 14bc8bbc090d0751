//Maya ASCII 2024 scene
//Name: nascoste_e_decadimento.ma
//Lights hidden on their shape or on a group above them (one hidden after
//the light was made, through select -ne), lights Direct3D 9 has no form for,
//each decay rate, a negative penumbra, a penumbra past the half turn, and
//emit diffuse and emit specular turned off.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "nascosto";
	setAttr ".v" no;
createNode transform -n "spotLight1" -p "nascosto";
createNode spotLight -n "spotLightShape1" -p "spotLight1";
createNode transform -n "spotLight2";
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr -k off ".v" off;
createNode transform -n "ambientLight1";
createNode ambientLight -n "ambientLightShape1" -p "ambientLight1";
createNode transform -n "areaLight1";
createNode areaLight -n "areaLightShape1" -p "areaLight1";
createNode transform -n "aiAreaLight1";
createNode aiAreaLight -n "aiAreaLightShape1" -p "aiAreaLight1";
createNode transform -n "nessuno";
createNode pointLight -n "nessunoShape" -p "nessuno";
	setAttr ".de" 0;
createNode transform -n "lineare";
createNode pointLight -n "lineareShape" -p "lineare";
	setAttr ".decayRate" 1;
createNode transform -n "quadratico";
createNode pointLight -n "quadraticoShape" -p "quadratico";
	setAttr ".de" 2;
	setAttr ".edi" no;
createNode transform -n "cubico";
createNode pointLight -n "cubicoShape" -p "cubico";
	setAttr ".de" 3;
	setAttr ".emitSpecular" false;
createNode transform -n "negativa";
createNode spotLight -n "negativaShape" -p "negativa";
	setAttr ".ca" 40;
	setAttr ".pa" -10;
createNode transform -n "larga";
createNode spotLight -n "largaShape" -p "larga";
	setAttr ".ca" 170;
	setAttr ".pa" 10;
createNode transform -n "spenta";
createNode spotLight -n "spentaShape" -p "spenta";
select -ne spenta;
	setAttr ".visibility" 0;
