-- The office database - tables, the numbering and balance triggers, the starting settings.
--
-- The program creates no table; tools/createdb builds data/dornek.s3db from this file.
-- Apply it inside one transaction (tools/createdb does) so a failure leaves nothing behind.
--
-- Declared types are read by the data layer to choose field types. varchar(n) is a text field
-- of n characters, date a date field over yyyy-mm-dd text, boolean a check-box field, text a
-- memo, integer an integer field. Only the columns the forms show as check boxes are boolean
-- (status of ugy, statusz of letetiszamla and project); every other flag is an integer 1 or 0
-- (aktiv, storno), except the identification flags jubok, which hold the texts true and false. Keep this file ASCII, and its comments free of quotes and
-- colons, so any reader that scans for placeholders passes over them. The program stores
-- text in code page 1250, while the sqlite3 tool would store UTF-8 bytes.
--
-- Keys use AUTOINCREMENT so the key of a deleted row is never handed out again; register
-- persons, partners and cases are referred to by key from rows that outlive them.

CREATE TABLE ugy (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  ev integer,
  szam integer,
  nev varchar(255),
  leiras varchar(2000),
  datum date,
  befejezve date,
  status boolean DEFAULT 1
);

CREATE TABLE ugyitem (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  ugy integer,
  datum date,
  dokszam integer,
  ufile varchar(255),
  megjegyzes varchar(10000),
  orzendo integer DEFAULT 0,
  archivalando integer DEFAULT 0,
  orzesi_hatarido date,
  bekerulesi_datum date,
  checksum_type varchar(5),
  checksum_value varchar(128)
);

CREATE TABLE ugyfel_termeszetes_szemely (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(128),
  szuletesi_nev varchar(128),
  lakcim varchar(128),
  szuletesi_ido date,
  szuletesi_hely varchar(128),
  allampolgarsag varchar(32),
  anyja_neve varchar(128),
  azonosito_okmany_tipus varchar(32),
  azonosito_okmany_szama varchar(32),
  tartozkodasi_hely varchar(128),
  aktiv integer DEFAULT 1,
  jubok varchar(5)
);

CREATE TABLE ugyfel_szervezet (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(256),
  roviditett_nev varchar(128),
  szekhely_cime varchar(128),
  fotevekenyseg varchar(128),
  azonosito_okirat_szama varchar(64),
  kepviselo text,
  kezbesitesi_megbizott_neve varchar(128),
  kezbesitesi_megbizott_anyja_neve varchar(128),
  kezbesitesi_megbizott_cime varchar(128),
  aktiv integer DEFAULT 1
);

CREATE TABLE ugy_ugyfel_tsz (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  ugy integer,
  ugyfel_tsz integer,
  nev varchar(128),
  szuletesi_nev varchar(128),
  lakcim varchar(128),
  szuletesi_ido date,
  szuletesi_hely varchar(128),
  allampolgarsag varchar(32),
  anyja_neve varchar(128),
  azonosito_okmany_tipus varchar(32),
  azonosito_okmany_szama varchar(32),
  tartozkodasi_hely varchar(128),
  jubok varchar(5)
);

CREATE TABLE ugy_ugyfel_szerv (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  ugy integer,
  nev varchar(256),
  roviditett_nev varchar(128),
  szekhely_cime varchar(128),
  fotevekenyseg varchar(128),
  azonosito_okirat_szama varchar(64),
  kepviselo text,
  kezbesitesi_megbizott_neve varchar(128),
  kezbesitesi_megbizott_anyja_neve varchar(128),
  kezbesitesi_megbizott_cime varchar(128)
);

CREATE TABLE letetiszamla (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(128),
  szamlaszam varchar(36),
  megjegyzes varchar(1000),
  statusz boolean DEFAULT 1
);

CREATE TABLE project (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(128),
  megjegyzes varchar(512),
  statusz boolean DEFAULT 1
);

CREATE TABLE letet (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  letetiszamla integer,
  project integer,
  letevo varchar(128),
  kedvezmenyezett varchar(128),
  status boolean DEFAULT 1,
  betet date,
  kifizetes date,
  megjegyzes varchar(1000),
  egyenleg integer DEFAULT 0
);

CREATE TABLE letetmozgas (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  letet integer,
  datum date,
  osszeg integer,
  megjegyzes varchar(128)
);

CREATE TABLE partner (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(255),
  kepviselo varchar(255),
  cim varchar(255),
  tel1 varchar(64),
  tel2 varchar(64),
  tel3 varchar(64),
  mobil1 varchar(64),
  mobil2 varchar(64),
  fax varchar(64),
  email varchar(255),
  web varchar(255),
  kedvezmeny float,
  megjegyzes varchar(2000)
);

CREATE TABLE ikt_partner (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(127),
  cim varchar(250)
);

CREATE TABLE ikt_mt (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(64),
  aktiv integer DEFAULT 1
);

CREATE TABLE ikt_mod (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  nev varchar(64),
  aktiv integer DEFAULT 1
);

CREATE TABLE ikt_be (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  iktev integer,
  iktszam integer,
  datum date,
  partner integer,
  partnercim varchar(250),
  localmt integer,
  iktmod integer,
  ugy integer,
  referencia varchar(30),
  targy varchar(100),
  megjegyzes varchar(500),
  storno integer DEFAULT 0
);

CREATE TABLE ikt_ki (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  iktev integer,
  iktszam integer,
  datum date,
  partner integer,
  partnercim varchar(100),
  localmt integer,
  iktmod integer,
  ugy integer,
  referencia varchar(30),
  targy varchar(100),
  megjegyzes varchar(500),
  storno integer DEFAULT 0
);

CREATE TABLE jub (
  sorszam INTEGER PRIMARY KEY AUTOINCREMENT,
  ugyfel integer,
  ugy integer,
  datum date,
  jubszam integer,
  adatigenyles_szama varchar(64),
  valaszfile varchar(255),
  jubok varchar(5),
  orzesi_hatarido date,
  szigszam varchar(32),
  szemszam varchar(32)
);

CREATE TABLE info (
  valtozo varchar(64) NOT NULL UNIQUE,
  ertek varchar(1000)
);

CREATE INDEX ugy_ev_szam ON ugy (ev, szam);
CREATE INDEX ugyitem_ugy ON ugyitem (ugy, dokszam);
CREATE INDEX ugy_ugyfel_tsz_ugy ON ugy_ugyfel_tsz (ugy);
CREATE INDEX ugy_ugyfel_szerv_ugy ON ugy_ugyfel_szerv (ugy);
CREATE INDEX letetmozgas_letet ON letetmozgas (letet);
CREATE INDEX ikt_be_iktev ON ikt_be (iktev, iktszam);
CREATE INDEX ikt_ki_iktev ON ikt_ki (iktev, iktszam);
CREATE INDEX jub_ugy ON jub (ugy);
CREATE INDEX jub_ugyfel ON jub (ugyfel);

-- Case number - the year of the case date (this year when the date is missing or not a
-- yyyy-mm-dd text) and the next free number of that year. Values given on insert stay.
CREATE TRIGGER ugy_number AFTER INSERT ON ugy
WHEN NEW.ev IS NULL OR NEW.szam IS NULL
BEGIN
  UPDATE ugy SET ev = CASE
      WHEN NEW.datum GLOB '[0-9][0-9][0-9][0-9]-*' THEN CAST(substr(NEW.datum, 1, 4) AS integer)
      ELSE CAST(strftime('%Y', 'now', 'localtime') AS integer) END
    WHERE sorszam = NEW.sorszam AND ev IS NULL;
  UPDATE ugy SET szam = (SELECT COALESCE(MAX(u.szam), 0) + 1 FROM ugy u
                         WHERE u.ev = ugy.ev AND u.sorszam <> NEW.sorszam)
    WHERE sorszam = NEW.sorszam AND szam IS NULL;
END;

-- End date - today when the case is closed, none again when it is reopened.
CREATE TRIGGER ugy_closed AFTER UPDATE OF status ON ugy
WHEN NEW.status IS NOT OLD.status
BEGIN
  UPDATE ugy SET befejezve = CASE WHEN NEW.status = 0 THEN date('now', 'localtime') END
    WHERE sorszam = NEW.sorszam;
END;

-- Document serial within the case, for entries that carry a file.
CREATE TRIGGER ugyitem_number AFTER INSERT ON ugyitem
WHEN NEW.dokszam IS NULL AND length(NEW.ufile) > 0
BEGIN
  UPDATE ugyitem SET dokszam = (SELECT COALESCE(MAX(i.dokszam), 0) + 1 FROM ugyitem i
                                WHERE i.ugy IS NEW.ugy AND i.sorszam <> NEW.sorszam)
    WHERE sorszam = NEW.sorszam;
END;

-- The day a document came into the database.
CREATE TRIGGER ugyitem_arrival AFTER INSERT ON ugyitem
WHEN NEW.bekerulesi_datum IS NULL AND length(NEW.ufile) > 0
BEGIN
  UPDATE ugyitem SET bekerulesi_datum = date('now', 'localtime') WHERE sorszam = NEW.sorszam;
END;

-- Registry number - per table, the year of the entry date and the next free number in it.
CREATE TRIGGER ikt_be_number AFTER INSERT ON ikt_be
WHEN NEW.iktev IS NULL OR NEW.iktszam IS NULL
BEGIN
  UPDATE ikt_be SET iktev = CASE
      WHEN NEW.datum GLOB '[0-9][0-9][0-9][0-9]-*' THEN CAST(substr(NEW.datum, 1, 4) AS integer)
      ELSE CAST(strftime('%Y', 'now', 'localtime') AS integer) END
    WHERE sorszam = NEW.sorszam AND iktev IS NULL;
  UPDATE ikt_be SET iktszam = (SELECT COALESCE(MAX(i.iktszam), 0) + 1 FROM ikt_be i
                               WHERE i.iktev = ikt_be.iktev AND i.sorszam <> NEW.sorszam)
    WHERE sorszam = NEW.sorszam AND iktszam IS NULL;
END;

CREATE TRIGGER ikt_ki_number AFTER INSERT ON ikt_ki
WHEN NEW.iktev IS NULL OR NEW.iktszam IS NULL
BEGIN
  UPDATE ikt_ki SET iktev = CASE
      WHEN NEW.datum GLOB '[0-9][0-9][0-9][0-9]-*' THEN CAST(substr(NEW.datum, 1, 4) AS integer)
      ELSE CAST(strftime('%Y', 'now', 'localtime') AS integer) END
    WHERE sorszam = NEW.sorszam AND iktev IS NULL;
  UPDATE ikt_ki SET iktszam = (SELECT COALESCE(MAX(i.iktszam), 0) + 1 FROM ikt_ki i
                               WHERE i.iktev = ikt_ki.iktev AND i.sorszam <> NEW.sorszam)
    WHERE sorszam = NEW.sorszam AND iktszam IS NULL;
END;

-- Deposit balance - always the sum of the movements of the deposit.
CREATE TRIGGER letetmozgas_added AFTER INSERT ON letetmozgas
BEGIN
  UPDATE letet SET egyenleg = (SELECT COALESCE(SUM(m.osszeg), 0) FROM letetmozgas m
                               WHERE m.letet = NEW.letet)
    WHERE sorszam = NEW.letet;
END;

CREATE TRIGGER letetmozgas_changed AFTER UPDATE OF letet, osszeg ON letetmozgas
BEGIN
  UPDATE letet SET egyenleg = (SELECT COALESCE(SUM(m.osszeg), 0) FROM letetmozgas m
                               WHERE m.letet = letet.sorszam)
    WHERE sorszam IN (OLD.letet, NEW.letet);
END;

CREATE TRIGGER letetmozgas_removed AFTER DELETE ON letetmozgas
BEGIN
  UPDATE letet SET egyenleg = (SELECT COALESCE(SUM(m.osszeg), 0) FROM letetmozgas m
                               WHERE m.letet = OLD.letet)
    WHERE sorszam = OLD.letet;
END;

-- A person counts as identified while one of their identification queries succeeded. A
-- success marks the copy of the person in the case of the query, which the case sheet shows
-- and then offers no new query for; a copy attached from the register takes the register flag
-- instead. A revoked or deleted query takes the mark off every copy of the person once the
-- person has no successful query left anywhere, so no copy keeps a mark that no query backs.
-- A successful query moved to another case takes the mark of its old case along. The program
-- clears the copies the same way when it revokes a query, for databases made before these
-- triggers.
CREATE TRIGGER jub_added AFTER INSERT ON jub
WHEN NEW.jubok = 'true'
BEGIN
  UPDATE ugyfel_termeszetes_szemely SET jubok = 'true' WHERE sorszam = NEW.ugyfel;
  UPDATE ugy_ugyfel_tsz SET jubok = 'true' WHERE ugy = NEW.ugy AND ugyfel_tsz = NEW.ugyfel;
END;

CREATE TRIGGER jub_changed AFTER UPDATE OF jubok, ugyfel, ugy ON jub
BEGIN
  UPDATE ugyfel_termeszetes_szemely SET jubok = CASE
      WHEN EXISTS (SELECT 1 FROM jub j WHERE j.ugyfel = ugyfel_termeszetes_szemely.sorszam
                   AND j.jubok = 'true') THEN 'true' ELSE 'false' END
    WHERE sorszam IN (OLD.ugyfel, NEW.ugyfel);
  UPDATE ugy_ugyfel_tsz SET jubok = CASE
      WHEN EXISTS (SELECT 1 FROM jub j WHERE j.ugy = ugy_ugyfel_tsz.ugy
                   AND j.ugyfel = ugy_ugyfel_tsz.ugyfel_tsz AND j.jubok = 'true') THEN 'true' ELSE 'false' END
    WHERE ugy = OLD.ugy AND ugyfel_tsz = OLD.ugyfel AND OLD.jubok = 'true'
      AND (OLD.ugy IS NOT NEW.ugy OR OLD.ugyfel IS NOT NEW.ugyfel);
  UPDATE ugy_ugyfel_tsz SET jubok = 'true'
    WHERE NEW.jubok = 'true' AND ugy = NEW.ugy AND ugyfel_tsz = NEW.ugyfel;
  UPDATE ugy_ugyfel_tsz SET jubok = 'false'
    WHERE ugyfel_tsz = OLD.ugyfel AND jubok = 'true'
      AND NOT EXISTS (SELECT 1 FROM jub j WHERE j.ugyfel = OLD.ugyfel AND j.jubok = 'true');
END;

CREATE TRIGGER jub_removed AFTER DELETE ON jub
BEGIN
  UPDATE ugyfel_termeszetes_szemely SET jubok = CASE
      WHEN EXISTS (SELECT 1 FROM jub j WHERE j.ugyfel = OLD.ugyfel AND j.jubok = 'true')
      THEN 'true' ELSE 'false' END
    WHERE sorszam = OLD.ugyfel;
  UPDATE ugy_ugyfel_tsz SET jubok = 'false'
    WHERE ugyfel_tsz = OLD.ugyfel AND jubok = 'true'
      AND NOT EXISTS (SELECT 1 FROM jub j WHERE j.ugyfel = OLD.ugyfel AND j.jubok = 'true');
END;

-- The settings grids post check boxes as the texts True and False; the lists select
-- statusz=1, so the flag is stored as 1 or 0 whatever text arrives.
CREATE TRIGGER letetiszamla_flag_added AFTER INSERT ON letetiszamla
WHEN typeof(NEW.statusz) = 'text'
BEGIN
  UPDATE letetiszamla SET statusz = CASE upper(trim(NEW.statusz))
      WHEN 'TRUE' THEN 1 WHEN 'FALSE' THEN 0 ELSE NEW.statusz END
    WHERE sorszam = NEW.sorszam;
END;

CREATE TRIGGER letetiszamla_flag_changed AFTER UPDATE OF statusz ON letetiszamla
WHEN typeof(NEW.statusz) = 'text'
BEGIN
  UPDATE letetiszamla SET statusz = CASE upper(trim(NEW.statusz))
      WHEN 'TRUE' THEN 1 WHEN 'FALSE' THEN 0 ELSE NEW.statusz END
    WHERE sorszam = NEW.sorszam;
END;

CREATE TRIGGER project_flag_added AFTER INSERT ON project
WHEN typeof(NEW.statusz) = 'text'
BEGIN
  UPDATE project SET statusz = CASE upper(trim(NEW.statusz))
      WHEN 'TRUE' THEN 1 WHEN 'FALSE' THEN 0 ELSE NEW.statusz END
    WHERE sorszam = NEW.sorszam;
END;

CREATE TRIGGER project_flag_changed AFTER UPDATE OF statusz ON project
WHEN typeof(NEW.statusz) = 'text'
BEGIN
  UPDATE project SET statusz = CASE upper(trim(NEW.statusz))
      WHEN 'TRUE' THEN 1 WHEN 'FALSE' THEN 0 ELSE NEW.statusz END
    WHERE sorszam = NEW.sorszam;
END;

-- Starting settings - retention periods in whole years, no address or chamber id yet.
INSERT INTO info (valtozo, ertek) VALUES ('dokumentum_orzesi_ido', '10');
INSERT INTO info (valtozo, ertek) VALUES ('jub_orzesi_ido', '8');
INSERT INTO info (valtozo, ertek) VALUES ('cim', '');
INSERT INTO info (valtozo, ertek) VALUES ('kamarai_azonosito', '');
INSERT INTO info (valtozo, ertek) VALUES ('dbver', '2.0');
