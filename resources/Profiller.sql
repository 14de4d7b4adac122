-- Steel-profile catalogue (mm, cm², cm⁴); its rows come from profiller.csv.
CREATE TABLE Profiller (
  Kesit VARCHAR(10) NOT NULL,
  h DOUBLE,
  b DOUBLE,
  bw DOUBLE,
  t DOUBLE,
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
  CONSTRAINT PrimaryKey PRIMARY KEY (Kesit)
);
CREATE INDEX Kesit ON Profiller (Kesit);
