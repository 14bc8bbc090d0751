//Maya ASCII 2008 scene
// Numbers at the edges: exponents of three digits and more, leading zeros in
// the exponent, values that overflow (clamped to the largest float) or round
// to it, values past single precision, ties in the sixth decimal, a 20-digit
// integer, and a text just above a float midpoint whose nearest double is that
// midpoint.
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1e100 -1e100 1e-100 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".cl" -type "float3" 1e038 2.5e+0002 -7.5E-0001 ;
	setAttr ".ca" 3.4028235e38;
	setAttr ".pa" 3.4028236e38;
createNode spotLight -n "spotLightShape1b" -p "spotLight1";
	setAttr ".cl" -type "float3" 0.0078125 0.0234375 9.9999996 ;
	setAttr ".ca" 123456789;
	setAttr ".pa" -1e-0005;
createNode spotLight -n "spotLightShape1c" -p "spotLight1";
	setAttr ".cl" -type "float3" 0.0000005 0.0000015 -0.0000005 ;
	setAttr ".ca" 1e0039;
	setAttr ".pa" 16777217;
createNode spotLight -n "spotLightShape1d" -p "spotLight1";
	setAttr ".ca" 340282356779733661637539395458142568447;
	setAttr ".pa" -3.40282e+038;
createNode spotLight -n "spotLightShape1e" -p "spotLight1";
	setAttr ".cl" -type "float3" 1e18 18446744073709551617 4253529840041851e22 ;
