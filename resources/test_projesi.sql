-- Test project "Test.mdb": a portal frame of 6 m span and 4 m height with
-- fixed feet, a uniform load of 20 kN/m on the beam and a horizontal load of
-- 10 kN at the top of the left column. Applied to the empty project template.
UPDATE AnaVeriler SET Sistem = '30:Düzlem çerçeve', ProbleminTanimi = 'Test: iki ayaklı portal çerçeve',
  KoordinatSistemiNo = 1;
INSERT INTO MalzemeBilgileri (MalzemeNo, Malzeme, E, Nu, Ro, Alfa) VALUES (1, 'C25', 30000000, 0.2, 2.5, 0.00001);
INSERT INTO KesitBilgileri (KesitNo, Kesit, A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw)
  VALUES (1, '1:Dikdörtgen', 0.15, 0.0028, 0.001125, 0.003125, 0.125, 0.5, 0.25, 0.125, 0.3, 0.15, 0, 0.3, 0.5, 0, 0);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('1', 0, 0, 0);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('2', 0, 4, 0);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('3', 6, 4, 0);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('4', 6, 0, 0);
INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) VALUES ('1', 30, 1, 2, 0, 0);
INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) VALUES ('2', 30, 2, 3, 0, 0);
INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) VALUES ('3', 30, 4, 3, 0, 0);
INSERT INTO ElemanMalzemeKesitMafsalbagi (ElemanNO, MalzemeNo, KesitNo, MafsalTipi) VALUES ('1,3,1,0,0', 1, 1, '00');
INSERT INTO Yukler (NoktaNo, Px, Py, Pz, Mx, My, Mz) VALUES ('2', 10, 0, 0, 0, 0, 0);
INSERT INTO ElemanYukleri (ElemanNo, YukNo, YukTipi, Yuk, aMesafesi, bMesafesi, Yuk1) VALUES ('2', 1, 1, 20, 0, 0, 0);
INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES ('1', '0', '0', 'Serbest', 'Serbest', 'Serbest', '0');
INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES ('4', '0', '0', 'Serbest', 'Serbest', 'Serbest', '0');
