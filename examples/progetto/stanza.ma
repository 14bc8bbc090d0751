//Maya ASCII 2008 scene
//Name: stanza.ma
requires maya "2008";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "pavimento";
	setAttr ".s" -type "double3" 10 1 10 ;
createNode mesh -n "pavimentoShape" -p "pavimento";
	setAttr -k off ".v";
createNode transform -n "spotLightTavolo";
	setAttr ".t" -type "double3" 0 3 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "spotLightTavoloShape" -p "spotLightTavolo";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.85000002 0.60000002 ;
	setAttr ".ca" 50;
	setAttr ".pa" 5;
createNode transform -n "spotLightFinestra";
	setAttr ".t" -type "double3" -4 2.5 1.5 ;
	setAttr ".r" -type "double3" -60 90 0 ;
createNode spotLight -n "spotLightFinestraShape" -p "spotLightFinestra";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 0.5 0.60000002 1 ;
	setAttr ".ca" 70;
	setAttr ".pa" 10;
