-- Empty project template: the nine project tables in binding order, with no
-- key and no index; only AnaVeriler holds a row.
CREATE TABLE AnaVeriler (
  Sistem VARCHAR(25),
  ProbleminTanimi VARCHAR(255),
  KoordinatSistemiNo SMALLINT,
  Tarih DATETIME
);
CREATE TABLE MalzemeBilgileri (
  MalzemeNo SMALLINT,
  Malzeme VARCHAR(15),
  E DOUBLE,
  Nu DOUBLE,
  Ro DOUBLE,
  Alfa DOUBLE,
  Tarih DATETIME
);
CREATE TABLE KesitBilgileri (
  KesitNo SMALLINT,
  Kesit VARCHAR(25),
  A DOUBLE,
  ix DOUBLE,
  iy DOUBLE,
  iz DOUBLE,
  Ay DOUBLE,
  hy DOUBLE,
  ey DOUBLE,
  Az DOUBLE,
  hz DOUBLE,
  ez DOUBLE,
  Wb DOUBLE,
  b DOUBLE,
  h DOUBLE,
  t DOUBLE,
  bw DOUBLE,
  Tarih DATETIME
);
CREATE TABLE Koordinatlar (
  NoktaNo VARCHAR(25),
  X1 DOUBLE,
  X2 DOUBLE,
  X3 DOUBLE,
  Tarih DATETIME
);
CREATE TABLE ElemanNoktaBagi (
  ElemanNo VARCHAR(25),
  ElemanTipi SMALLINT,
  iNoktasi SMALLINT,
  jNoktasi SMALLINT,
  kNoktasi SMALLINT,
  LNoktasi SMALLINT,
  Tarih DATETIME
);
CREATE TABLE ElemanMalzemeKesitMafsalbagi (
  ElemanNO VARCHAR(25),
  MalzemeNo SMALLINT,
  KesitNo SMALLINT,
  MafsalTipi VARCHAR(24),
  Tarih DATETIME
);
CREATE TABLE Yukler (
  NoktaNo VARCHAR(25),
  Px DOUBLE,
  Py DOUBLE,
  Pz DOUBLE,
  Mx DOUBLE,
  My DOUBLE,
  Mz DOUBLE,
  Tarih DATETIME
);
CREATE TABLE ElemanYukleri (
  ElemanNo VARCHAR(25),
  YukNo SMALLINT,
  YukTipi SMALLINT,
  Yuk DOUBLE,
  aMesafesi DOUBLE,
  bMesafesi DOUBLE,
  Yuk1 DOUBLE,
  Tarih DATETIME
);
CREATE TABLE SinirKosullari (
  NoktaNo VARCHAR(25),
  Ux VARCHAR(12),
  Uy VARCHAR(12),
  Uz VARCHAR(12),
  Fix VARCHAR(12),
  Fiy VARCHAR(12),
  Fiz VARCHAR(12),
  Tarih DATETIME
);
INSERT INTO AnaVeriler (Sistem, KoordinatSistemiNo) VALUES ('10:Düzlem kafes', 1);
