//Maya ASCII 2008 scene
// A colour statement of the wrong type: read a token at a time, it reads on
// to the next "float3", past the cone angle statement between.
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".cl" -type "double3" 1 0 0 ;
	setAttr ".ca" 40;
	setAttr ".cl" -type "float3" 0.5 0.25 1 ;
	setAttr ".pa" 5;
