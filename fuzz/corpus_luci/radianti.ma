//Maya ASCII 2024 scene
//Name: radianti.ma
//Angles in radians from currentUnit on: a rotate, a cone and a negative
//penumbra, and a single rotate component; an angle set before the unit
//changed stays in degrees.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "prima";
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "primaShape" -p "prima";
	setAttr ".ca" 60;
currentUnit -l centimeter -angle radian -t film;
createNode transform -n "dopo";
	setAttr ".t" -type "double3" 0 4 0 ;
	setAttr ".r" -type "double3" -1.5707963267948966 0 0 ;
	setAttr ".rz" 0.5;
createNode spotLight -n "dopoShape" -p "dopo";
	setAttr ".ca" 1;
	setAttr ".pa" -0.25;
