//Maya ASCII 2018 scene
//Name: lampioni.ma
// The layouts of lights in scenes saved by recent Maya versions: a rename
// statement after every node statement, parented lights, shape names that
// run over two lines, namespaced and pasted names, and long decimal values.
requires maya "2018";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -s -n "persp";
	rename -uid "6E1B1A3C-4F2D-11E8-9C2D-FA7AE01BBEBC";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 28 21 28 ;
	setAttr ".r" -type "double3" -27.938352729602379 44.999999999999972 0 ;
createNode transform -n "spotLight1";
	rename -uid "4A34309D-46E7-A6C0-B39E-83BEEFCDB91F";
	setAttr ".t" -type "double3" 0 0 -33.32763956260596 ;
	setAttr ".r" -type "double3" 168.56727237795971 21.76391266563164 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	rename -uid "50C2389E-48F2-19EC-79A1-5D8C83613203";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0 0.81190002 ;
	setAttr ".in" 1.3855421543121338;
	setAttr ".ca" 156.91881645908094;
	setAttr ".pa" -4.743589749082159;
createNode transform -n "lights:set_key_light" -p "lights:group";
	rename -uid "0D3E4A51-4B7C-9A2E-11F0-6C1D2E3F4A5B";
	setAttr ".t" -type "double3" -42.977 36.007 28.23 ;
	setAttr ".r" -type "double3" -24.92 0 0 ;
createNode spotLight -n "lights:charmhouse_base_lighting_spotLightShape1" 
		-p "lights:set_key_light";
	rename -uid "59DE8B88-46E3-2971-27E7-2A8AC236EC18";
	setAttr -k off ".v";
	setAttr ".in" 0.75;
	setAttr ".cl" -type "float3" 0.64102566 0.64102566 0.64102566 ;
	setAttr ".ca" 123.61231785231917;
createNode transform -n "spotLight2" -p "lamp_post8";
	rename -uid "48B39513-C348-72AD-6175-4290B817274D";
	setAttr ".t" -type "double3" 203.59994506835938 7.3352950527379317 32.364524841308594 ;
	setAttr ".r" -type "double3" -90.000000000000028 0 0 ;
createNode spotLight -n "spotLightShape2" -p "|light_posts|lamp_post8|spotLight2";
	rename -uid "4CC0B3CD-DA46-3473-5FEF-5C9A75438EEB";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 0.91100001 0.15138158 0.047371987 ;
	setAttr ".ca" 38.080228583322587;
createNode transform -n "pasted__spotLight1";
	rename -uid "7C1E2D3F-45AD-514A-916D-10A115BB1F11";
	setAttr ".t" -type "double3" -42.977093236979073 36.007122400867601 28.230843852724838 ;
createNode spotLight -n "pasted__spotLightShape1" -p "pasted__spotLight1";
	rename -uid "BB3A41F1-4FAD-9719-0DB1-35A38DCBC083";
	setAttr -k off ".v";
	setAttr ".ca" 38.080228583322587;
	setAttr ".pa" -6.024096377238811;
createNode lightLinker -s -n "lightLinker1";
	rename -uid "1445644D-4FAE-1146-619E-099E6E592FA4";
	setAttr -s 4 ".lnk";
connectAttr "spotLightShape1.ltd" ":lightList1.l" -na;
// End of lampioni.ma
