//Maya ASCII 2024 scene
//Name: decadimento_fuori.ma
requires maya "2024";
// Decay rates no enumeration holds: taken as none, as a rotate order out of range is xyz.
createNode transform -n "alta";
createNode pointLight -n "altaShape" -p "alta";
	setAttr ".de" 3.4e38;
createNode transform -n "bassa";
createNode pointLight -n "bassaShape" -p "bassa";
	setAttr ".de" -1;
