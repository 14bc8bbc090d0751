//Maya ASCII 2008 scene
// A shape node before any light, at the start of the scene, writes nothing.
// Then a transform with no attribute statement directly followed by a light
// transform: its name look-ahead stops at the light's node statement, hands it
// on, so the light is found and its shape writes under it.
createNode spotLight -n "spotLightShape0";
	setAttr ".cl" -type "float3" 1 0.5 0.5 ;
	setAttr ".ca" 40;
	setAttr ".pa" 5;
createNode transform -n "pCube1";
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 0 5 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".cl" -type "float3" 0 1 0 ;
	setAttr ".ca" 30;
createNode transform -n "spotLight2";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr ".ca" 20;
