createNode spotLight -n "s";
	setAttr ".cl" -type "float3"