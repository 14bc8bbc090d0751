createNode transform -n "spotLight1";
	setAttr ".t" -type "double3"