createNode mesh -n "pCubeShape1" -p "pCube1";
createNode transformX -n "spotLight1";
	setAttr ".t" -type "double3" 1 1 1 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".ca" 40;
createNode spotLightX -n "spotLightShape2";
	setAttr ".ca" 41;
createNodeFoo transform -n "spotLight3";
