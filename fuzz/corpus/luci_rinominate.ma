//Maya ASCII 2008 scene
// Renamed lights: after a named one, between two named ones (parented, so its
// shape is dispatched), and a named light after a renamed one. A renamed
// light is not converted and its shape writes nothing.
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 0 5 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".ca" 40;
createNode transform -n "keyLight";
	setAttr ".t" -type "double3" 4 4 4 ;
createNode spotLight -n "keyLightShape" -p "keyLight";
	setAttr ".cl" -type "float3" 0 1 0 ;
	setAttr ".ca" 99;
createNode transform -n "spotLight2";
	setAttr ".t" -type "double3" 1 1 1 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr ".ca" 30;
createNode transform -n "lampe:lamp_spot" -p "group1";
	setAttr ".t" -type "double3" 7 7 7 ;
createNode spotLight -n "lampe:lamp_spotShape" -p "lampe:lamp_spot";
	setAttr ".cl" -type "float3" 1 0 0 ;
	setAttr ".pa" 9;
createNode transform -n "spotLight3";
	setAttr ".t" -type "double3" -2 3 0.5 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape3" -p "spotLight3";
	setAttr ".cl" -type "float3" 0.5 0.5 1 ;
	setAttr ".ca" 25;
	setAttr ".pa" 3;
