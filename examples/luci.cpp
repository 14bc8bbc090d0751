// Luci spot Direct3D 9 generate da una scena Maya ASCII
D3DLIGHT9 spotLight1;
ZeroMemory( &spotLight1, sizeof( D3DLIGHT9 ) );
spotLight1.Type = D3DLIGHT_SPOT;

spotLight1.Attenuation0 = 1.0f;

spotLight1.Position.x = 0.000000f;
spotLight1.Position.y = 12.500000f;
spotLight1.Position.z = -3.000000f;

spotLight1.Diffuse.r = 1.000000f;
spotLight1.Diffuse.g = 0.900000f;
spotLight1.Diffuse.b = 0.750000f;

spotLight1.Range = 45.000000f;

spotLight1.Falloff = 4.500000f;

D3DLIGHT9 spotLight2;
ZeroMemory( &spotLight2, sizeof( D3DLIGHT9 ) );
spotLight2.Type = D3DLIGHT_SPOT;

spotLight2.Attenuation0 = 1.0f;

spotLight2.Direction.x = 0.955074f;
spotLight2.Direction.y = -0.296369f;
spotLight2.Direction.z = -0.132352f;

spotLight2.Diffuse.r = 0.200000f;
spotLight2.Diffuse.g = 0.400000f;
spotLight2.Diffuse.b = 1.000000f;

spotLight2.Range = 30.000000f;

spotLight2.Falloff = -2.000000f;

D3DLIGHT9 spotLight3;
ZeroMemory( &spotLight3, sizeof( D3DLIGHT9 ) );
spotLight3.Type = D3DLIGHT_SPOT;

spotLight3.Attenuation0 = 1.0f;

spotLight3.Position.x = -6.000000f;
spotLight3.Position.y = 8.000000f;
spotLight3.Position.z = 4.250000f;

spotLight3.Diffuse.r = 1.000000f;
spotLight3.Diffuse.g = 1.000000f;
spotLight3.Diffuse.b = 1.000000f;

spotLight3.Range = 60.000000f;

