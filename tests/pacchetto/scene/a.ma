//Maya ASCII 2008 scene
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".ca" 40;
