-- Scratch database: the expanded model, one row per node, element, nodal
-- load, element load and supported node. Index names are unique per file in
-- this database engine, so the second index of ED carries the table's name.
CREATE TABLE XYZ (
  NoktaNo SMALLINT NOT NULL,
  X1 DOUBLE,
  X2 DOUBLE,
  X3 DOUBLE,
  CONSTRAINT XYZ_PrimaryKey PRIMARY KEY (NoktaNo)
);
CREATE INDEX NoktaNo ON XYZ (NoktaNo);
CREATE TABLE ED (
  ElemanNo SMALLINT NOT NULL,
  ElemanTipi SMALLINT,
  iNoktasi SMALLINT,
  jNoktasi SMALLINT,
  kNoktasi SMALLINT,
  LNoktasi SMALLINT,
  MalzemeNo SMALLINT,
  KesitNo SMALLINT,
  MafsalTipi VARCHAR(24),
  CONSTRAINT ED_PrimaryKey PRIMARY KEY (ElemanNo)
);
CREATE INDEX ED_ElemanNo ON ED (ElemanNo);
CREATE TABLE EYUK (
  ElemanNo SMALLINT,
  YukNo SMALLINT,
  YukTipi SMALLINT,
  Yuk DOUBLE,
  aMesafesi DOUBLE,
  bMesafesi DOUBLE,
  Yuk1 DOUBLE
);
CREATE INDEX ElemanNo ON EYUK (ElemanNo);
CREATE TABLE SK (
  NoktaNo SMALLINT NOT NULL,
  Ux VARCHAR(12),
  Uy VARCHAR(12),
  Uz VARCHAR(12),
  Fix VARCHAR(12),
  Fiy VARCHAR(12),
  Fiz VARCHAR(12),
  CONSTRAINT SK_PrimaryKey PRIMARY KEY (NoktaNo)
);
CREATE TABLE TYUK (
  NoktaNo SMALLINT NOT NULL,
  Px DOUBLE,
  Py DOUBLE,
  Pz DOUBLE,
  Mx DOUBLE,
  My DOUBLE,
  Mz DOUBLE,
  CONSTRAINT TYUK_PrimaryKey PRIMARY KEY (NoktaNo)
);
