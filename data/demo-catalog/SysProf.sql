-- Profile (strike-plate) systems (SysProf.DB). FurnSysID is the family of the fittings
-- systems they serve (the system ID rounded down to hundreds); FrnArt.ProfSys chooses strike plates by
-- SchlSysID.
INSERT INTO SysProf (SchlSysID, FurnSysID, "Name") VALUES
  ('V58',     '100',     'ПВХ 58 мм, ось 9 мм'),
  ('V70',     '100',     'ПВХ 70 мм, ось 13 мм'),
  ('A70',     '200',     'ПВХ 70 мм, ось 13 мм'),
  ('A68W',    '200',     'Дерево 68 мм, ось 9 мм');
