-- Property filter (FrnProp.db): per PropKey the allowed property values.
-- A component's FrnComp.PropKey lists the properties the fittings dialog offers for it (Default 1
-- marks the preselected value). The PropKey of a set, strike-plate, accessory or composite row
-- restricts that row to the listed values: a row applies unless a chosen value of a listed family
-- is missing from its list.

-- Offered for the handle «Вектор»
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (100,     1011, 1),
  (100,     1012, 0),
  (100,     1013, 0);

-- Offered for the handle «Аврора»
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (200,     1011, 1),
  (200,     1012, 0),
  (200,     1013, 0);

-- Offered for tilt-turn complects «Вектор»
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (110,     1051, 1),
  (110,     1052, 0);

-- Offered for tilt-turn complects «Аврора»
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (210,     1051, 1),
  (210,     1052, 0),
  (210,     1061, 1),
  (210,     1062, 0);

-- Offered for the hinge set «Аврора»
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (220,     1071, 1),
  (220,     1072, 0);

-- Offered for the door lever sets (groups 33 and 34)
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (300,     1021, 1),
  (300,     1022, 0),
  (300,     1023, 0),
  (300,     1024, 0),
  (300,     1025, 0);

-- Offered for the multipoint lock
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (310,     1031, 1),
  (310,     1032, 0),
  (310,     1033, 0);

-- Offered for the cylinder
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (320,     1041, 1),
  (320,     1042, 0);

-- Offered for the door closer
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (330,     1081, 1),
  (330,     1082, 0);

-- Row selection: each key admits one value of its family
INSERT INTO FrnProp (PropKey, ID, "Default") VALUES
  (101,     1011, 0),
  (102,     1012, 0),
  (103,     1013, 0),
  (111,     1051, 0),
  (112,     1052, 0),
  (211,     1051, 0),
  (212,     1052, 0),
  (213,     1061, 0),
  (214,     1062, 0),
  (221,     1071, 0),
  (222,     1072, 0),
  (301,     1021, 0),
  (302,     1022, 0),
  (303,     1023, 0),
  (304,     1024, 0),
  (305,     1025, 0),
  (311,     1031, 0),
  (312,     1032, 0),
  (313,     1033, 0),
  (321,     1041, 0),
  (322,     1042, 0),
  (331,     1081, 0),
  (332,     1082, 0);
