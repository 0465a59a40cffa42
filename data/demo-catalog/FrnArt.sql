-- Articles of elements (FrnArt.DB): the rows an element's article is chosen from, by the
-- measure of its set row (FFB/FFH in cm, FFL in mm, FFA degrees, FFR mm) and the element's check
-- flags (Dornmass, rebate, profile system, colour with the colourless row as fallback, stulp type,
-- direction with 3 for both, thickness). HandleHeight: the handle height a drive defines.
-- ProfWidthMin/Max and WeightMin/Max are kept wide: the resolution tests width 100 and weight 0.

-- VK-E-GETR: Drives by sash height (FFH, cm; arches by the handle side, FFL1, mm) and Dornmass; HandleHeight is the handle height from the bottom of the sash
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, FFL1Min, FFL1Max, DornMassMin, DornMassMax, HandleHeight, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-GETR', 'VK-1101-15', 30,     60,     300,     604,     15.0,        15.0,        200,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1102-25', 30,     60,     300,     604,     25.0,        25.0,        200,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1104-15', 61,     100,    605,     1004,    15.0,        15.0,        350,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1105-25', 61,     100,    605,     1004,    25.0,        25.0,        350,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1107-15', 101,    140,    1005,    1404,    15.0,        15.0,        550,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1108-25', 101,    140,    1005,    1404,    25.0,        25.0,        550,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1110-15', 141,    180,    1405,    1804,    15.0,        15.0,        700,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1111-25', 141,    180,    1405,    1804,    25.0,        25.0,        700,          0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1113-15', 181,    240,    1805,    2404,    15.0,        15.0,        1000,         0,            200,          0,         150),
  ('VK-E-GETR', 'VK-1114-25', 181,    240,    1805,    2404,    25.0,        25.0,        1000,         0,            200,          0,         150);

-- VK-E-KGETR: By the vertical side (mm); HandleHeight 0 puts the handle in the middle of the side
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, HandleHeight, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-KGETR', 'VK-1151-15', 400,     1000,    15.0,        15.0,        0,            0,            200,          0,         150),
  ('VK-E-KGETR', 'VK-1152-25', 400,     1000,    25.0,        25.0,        0,            0,            200,          0,         150),
  ('VK-E-KGETR', 'VK-1154-15', 1001,    2000,    15.0,        15.0,        0,            0,            200,          0,         150),
  ('VK-E-KGETR', 'VK-1155-25', 1001,    2000,    25.0,        25.0,        0,            0,            200,          0,         150);

-- VK-E-UP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-UP', 'VK-1201', 0,            200,          0,         150);

-- VK-E-UPT: By the corner angle (degrees)
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-UPT', 'VK-1211', 95.0,   130.0,  0,            200,          0,         150),
  ('VK-E-UPT', 'VK-1212', 130.01, 165.0,  0,            200,          0,         150);

-- VK-E-UPA: By the corner angle (degrees)
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-UPA', 'VK-1221', 15.0,   45.0,   0,            200,          0,         150),
  ('VK-E-UPA', 'VK-1222', 45.01,  75.0,   0,            200,          0,         150);

-- VK-E-ARCUP: By the arch radius (mm)
INSERT INTO FrnArt (ID, CatalogID, FFR1Min, FFR1Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-ARCUP', 'VK-1231', 200,     500,     0,            200,          0,         150),
  ('VK-E-ARCUP', 'VK-1232', 501,     900,     0,            200,          0,         150),
  ('VK-E-ARCUP', 'VK-1233', 901,     2000,    0,            200,          0,         150);

-- VK-E-SCH: By sash width (FFB, cm) and direction (1 left, 2 right)
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-SCH', 'VK-1301-L', 40,     60,     1,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1302-R', 40,     60,     2,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1303-L', 61,     80,     1,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1304-R', 61,     80,     2,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1305-L', 81,     100,    1,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1306-R', 81,     100,    2,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1307-L', 101,    130,    1,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1308-R', 101,    130,    2,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1309-L', 131,    160,    1,      0,            200,          0,         150),
  ('VK-E-SCH', 'VK-1310-R', 131,    160,    2,      0,            200,          0,         150);

-- VK-E-SCHZ
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-SCHZ', 'VK-1320', 0,            200,          0,         150);

-- VK-E-SCHP: By sash width and direction
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-SCHP', 'VK-1331-L', 40,     80,     1,      0,            200,          0,         150),
  ('VK-E-SCHP', 'VK-1332-R', 40,     80,     2,      0,            200,          0,         150),
  ('VK-E-SCHP', 'VK-1333-L', 81,     160,    1,      0,            200,          0,         150),
  ('VK-E-SCHP', 'VK-1334-R', 81,     160,    2,      0,            200,          0,         150);

-- VK-E-KS: By the vertical (L1) and bottom (L2) sides, mm
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, FFL2Min, FFL2Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-KS', 'VK-1341', 400,     1000,    400,     2000,    0,            200,          0,         150),
  ('VK-E-KS', 'VK-1342', 1001,    2000,    400,     2000,    0,            200,          0,         150);

-- VK-E-MV
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-MV', 'VK-1401', 0,            200,          0,         150);

-- VK-E-MH
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-MH', 'VK-1402', 0,            200,          0,         150);

-- VK-E-MVS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-MVS', 'VK-1403', 0,            200,          0,         150);

-- VK-E-MSL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-MSL', 'VK-1405', 0,            200,          0,         150);

-- VK-E-TSL: By the slanted side (mm)
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-TSL', 'VK-1411', 400,     800,     0,            200,          0,         150),
  ('VK-E-TSL', 'VK-1412', 801,     1400,    0,            200,          0,         150),
  ('VK-E-TSL', 'VK-1413', 1401,    2400,    0,            200,          0,         150);

-- VK-E-KPR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-KPR', 'VK-1421', 0,            200,          0,         150);

-- VK-E-FSP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-FSP', 'VK-1501', 0,            200,          0,         150);

-- VK-E-AHL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-AHL', 'VK-1502', 0,            200,          0,         150);

-- VK-E-FSPS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-FSPS', 'VK-1503', 0,            200,          0,         150);

-- VK-E-ZAGL: By profile colour; the colourless row serves every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-ZAGL', 'VK-1601-W', 'WHITE', 0,            200,          0,         150),
  ('VK-E-ZAGL', 'VK-1602-B', 'BROWN', 0,            200,          0,         150),
  ('VK-E-ZAGL', 'VK-1603-U', '',      0,            200,          0,         150);

-- VK-E-ARCT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-ARCT', 'VK-1701', 0,            200,          0,         150);

-- VK-E-OLT
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-OLT', 'VK-1801-L', 1,      0,            200,          0,         150),
  ('VK-E-OLT', 'VK-1802-R', 2,      0,            200,          0,         150);

-- VK-E-KH
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-KH', 'VK-1811', 0,            200,          0,         150);

-- VK-E-STFIX
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-STFIX', 'VK-1910', 0,            200,          0,         150);

-- VK-E-STFIXS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-STFIXS', 'VK-1911', 0,            200,          0,         150);

-- VK-E-STM: By stulp type: 2 main sash on the right (mechanism on the left sash), 3 main sash on the left
INSERT INTO FrnArt (ID, CatalogID, StulpType, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-STM', 'VK-1901-L', 2,         0,            200,          0,         150),
  ('VK-E-STM', 'VK-1902-R', 3,         0,            200,          0,         150);

-- VK-E-STT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-STT', 'VK-1903', 0,            200,          0,         150);

-- VK-E-STMP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-STMP', 'VK-1912', 0,            200,          0,         150);

-- VK-E-HUS
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HUS', 'VK-2001-L', 1,      0,            200,          0,         150),
  ('VK-E-HUS', 'VK-2002-R', 2,      0,            200,          0,         150);

-- VK-E-HUR: By rebate air gap (FalzLuft, mm)
INSERT INTO FrnArt (ID, CatalogID, FalzLuft, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HUR', 'VK-2011-12', 12,       0,            200,          0,         150);

-- VK-E-SOP: By rebate air gap and fittings axis (FalzPos)
INSERT INTO FrnArt (ID, CatalogID, FalzLuft, FalzPos, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-SOP', 'VK-2021-12-9',  12,       9,       0,            200,          0,         150),
  ('VK-E-SOP', 'VK-2022-12-13', 12,       13,      0,            200,          0,         150);

-- VK-S-STD: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-STD', 'VK-3001-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-STD', 'VK-3002-V70', 'V70',   0,            200,          0,         150);

-- VK-S-KIPP: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-KIPP', 'VK-3011-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-KIPP', 'VK-3012-V70', 'V70',   0,            200,          0,         150);

-- VK-S-ST: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-ST', 'VK-3021-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-ST', 'VK-3022-V70', 'V70',   0,            200,          0,         150);

-- VK-S-ARC: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-ARC', 'VK-3031-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-ARC', 'VK-3032-V70', 'V70',   0,            200,          0,         150);

-- VK-S-VENT: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-VENT', 'VK-3041-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-VENT', 'VK-3042-V70', 'V70',   0,            200,          0,         150);

-- VK-S-FSP: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-FSP', 'VK-3051-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-FSP', 'VK-3052-V70', 'V70',   0,            200,          0,         150);

-- VK-S-FB: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-S-FB', 'VK-3061-V58', 'V58',   0,            200,          0,         150),
  ('VK-S-FB', 'VK-3062-V70', 'V70',   0,            200,          0,         150);

-- VK-E-HGSTD: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HGSTD', 'VK-4001-W', 'WHITE',  0,            200,          0,         150),
  ('VK-E-HGSTD', 'VK-4002-B', 'BROWN',  0,            200,          0,         150),
  ('VK-E-HGSTD', 'VK-4003-S', 'SILVER', 0,            200,          0,         150),
  ('VK-E-HGSTD', 'VK-4001-W', '',       0,            200,          0,         150);

-- VK-E-HGKEY: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HGKEY', 'VK-4011-W', 'WHITE',  0,            200,          0,         150),
  ('VK-E-HGKEY', 'VK-4012-B', 'BROWN',  0,            200,          0,         150),
  ('VK-E-HGKEY', 'VK-4013-S', 'SILVER', 0,            200,          0,         150),
  ('VK-E-HGKEY', 'VK-4011-W', '',       0,            200,          0,         150);

-- VK-E-HGBTN: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HGBTN', 'VK-4021-W', 'WHITE',  0,            200,          0,         150),
  ('VK-E-HGBTN', 'VK-4022-B', 'BROWN',  0,            200,          0,         150),
  ('VK-E-HGBTN', 'VK-4023-S', 'SILVER', 0,            200,          0,         150),
  ('VK-E-HGBTN', 'VK-4021-W', '',       0,            200,          0,         150);

-- VK-E-HGB
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-HGB', 'VK-4051-W', 'WHITE', 0,            200,          0,         150),
  ('VK-E-HGB', 'VK-4052-B', 'BROWN', 0,            200,          0,         150),
  ('VK-E-HGB', 'VK-4051-W', '',      0,            200,          0,         150);

-- VK-E-FB
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-FB', 'VK-5001', 0,            200,          0,         150);

-- VK-E-FBT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-FBT', 'VK-5002', 0,            200,          0,         150);

-- VK-E-OGR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('VK-E-OGR', 'VK-7001', 0,            200,          0,         150);

-- AV-E-GETR: Drives by sash height (FFH, cm; arches by the handle side, FFL1, mm) and Dornmass; HandleHeight is the handle height from the bottom of the sash
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, FFL1Min, FFL1Max, DornMassMin, DornMassMax, HandleHeight, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-GETR', 'AV-1101-15', 30,     60,     300,     604,     15.0,        15.0,        200,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1102-25', 30,     60,     300,     604,     25.0,        25.0,        200,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1103-35', 30,     60,     300,     604,     35.0,        35.0,        200,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1104-15', 61,     100,    605,     1004,    15.0,        15.0,        350,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1105-25', 61,     100,    605,     1004,    25.0,        25.0,        350,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1106-35', 61,     100,    605,     1004,    35.0,        35.0,        350,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1107-15', 101,    140,    1005,    1404,    15.0,        15.0,        550,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1108-25', 101,    140,    1005,    1404,    25.0,        25.0,        550,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1109-35', 101,    140,    1005,    1404,    35.0,        35.0,        550,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1110-15', 141,    180,    1405,    1804,    15.0,        15.0,        700,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1111-25', 141,    180,    1405,    1804,    25.0,        25.0,        700,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1112-35', 141,    180,    1405,    1804,    35.0,        35.0,        700,          0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1113-15', 181,    240,    1805,    2404,    15.0,        15.0,        1000,         0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1114-25', 181,    240,    1805,    2404,    25.0,        25.0,        1000,         0,            200,          0,         150),
  ('AV-E-GETR', 'AV-1115-35', 181,    240,    1805,    2404,    35.0,        35.0,        1000,         0,            200,          0,         150);

-- AV-E-KGETR: By the vertical side (mm); HandleHeight 0 puts the handle in the middle of the side
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, DornMassMin, DornMassMax, HandleHeight, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-KGETR', 'AV-1151-15', 400,     1000,    15.0,        15.0,        0,            0,            200,          0,         150),
  ('AV-E-KGETR', 'AV-1152-25', 400,     1000,    25.0,        25.0,        0,            0,            200,          0,         150),
  ('AV-E-KGETR', 'AV-1153-35', 400,     1000,    35.0,        35.0,        0,            0,            200,          0,         150),
  ('AV-E-KGETR', 'AV-1154-15', 1001,    2000,    15.0,        15.0,        0,            0,            200,          0,         150),
  ('AV-E-KGETR', 'AV-1155-25', 1001,    2000,    25.0,        25.0,        0,            0,            200,          0,         150),
  ('AV-E-KGETR', 'AV-1156-35', 1001,    2000,    35.0,        35.0,        0,            0,            200,          0,         150);

-- AV-E-UP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-UP', 'AV-1201', 0,            200,          0,         150);

-- AV-E-UPT: By the corner angle (degrees)
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-UPT', 'AV-1211', 95.0,   130.0,  0,            200,          0,         150),
  ('AV-E-UPT', 'AV-1212', 130.01, 165.0,  0,            200,          0,         150);

-- AV-E-UPA: By the corner angle (degrees)
INSERT INTO FrnArt (ID, CatalogID, FFAMin, FFAMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-UPA', 'AV-1221', 15.0,   45.0,   0,            200,          0,         150),
  ('AV-E-UPA', 'AV-1222', 45.01,  75.0,   0,            200,          0,         150);

-- AV-E-ARCUP: By the arch radius (mm)
INSERT INTO FrnArt (ID, CatalogID, FFR1Min, FFR1Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-ARCUP', 'AV-1231', 200,     500,     0,            200,          0,         150),
  ('AV-E-ARCUP', 'AV-1232', 501,     900,     0,            200,          0,         150),
  ('AV-E-ARCUP', 'AV-1233', 901,     2000,    0,            200,          0,         150);

-- AV-E-SCH: By sash width (FFB, cm) and direction (1 left, 2 right)
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-SCH', 'AV-1301-L', 40,     60,     1,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1302-R', 40,     60,     2,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1303-L', 61,     80,     1,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1304-R', 61,     80,     2,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1305-L', 81,     100,    1,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1306-R', 81,     100,    2,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1307-L', 101,    130,    1,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1308-R', 101,    130,    2,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1309-L', 131,    160,    1,      0,            200,          0,         150),
  ('AV-E-SCH', 'AV-1310-R', 131,    160,    2,      0,            200,          0,         150);

-- AV-E-SCHZ
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-SCHZ', 'AV-1320', 0,            200,          0,         150);

-- AV-E-SCHP: By sash width and direction
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-SCHP', 'AV-1331-L', 40,     80,     1,      0,            200,          0,         150),
  ('AV-E-SCHP', 'AV-1332-R', 40,     80,     2,      0,            200,          0,         150),
  ('AV-E-SCHP', 'AV-1333-L', 81,     160,    1,      0,            200,          0,         150),
  ('AV-E-SCHP', 'AV-1334-R', 81,     160,    2,      0,            200,          0,         150);

-- AV-E-KS: By the vertical (L1) and bottom (L2) sides, mm
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, FFL2Min, FFL2Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-KS', 'AV-1341', 400,     1000,    400,     2000,    0,            200,          0,         150),
  ('AV-E-KS', 'AV-1342', 1001,    2000,    400,     2000,    0,            200,          0,         150);

-- AV-E-MV
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MV', 'AV-1401', 0,            200,          0,         150);

-- AV-E-MH
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MH', 'AV-1402', 0,            200,          0,         150);

-- AV-E-MVS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MVS', 'AV-1403', 0,            200,          0,         150);

-- AV-E-MPR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MPR', 'AV-1404', 0,            200,          0,         150);

-- AV-E-MSL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MSL', 'AV-1405', 0,            200,          0,         150);

-- AV-E-TSL: By the slanted side (mm)
INSERT INTO FrnArt (ID, CatalogID, FFL1Min, FFL1Max, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-TSL', 'AV-1411', 400,     800,     0,            200,          0,         150),
  ('AV-E-TSL', 'AV-1412', 801,     1400,    0,            200,          0,         150),
  ('AV-E-TSL', 'AV-1413', 1401,    2400,    0,            200,          0,         150);

-- AV-E-KPR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-KPR', 'AV-1421', 0,            200,          0,         150);

-- AV-E-FSP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-FSP', 'AV-1501', 0,            200,          0,         150);

-- AV-E-AHL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-AHL', 'AV-1502', 0,            200,          0,         150);

-- AV-E-FSPS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-FSPS', 'AV-1503', 0,            200,          0,         150);

-- AV-E-PILZ
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-PILZ', 'AV-1511', 0,            200,          0,         150);

-- AV-E-RCP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-RCP', 'AV-1512', 0,            200,          0,         150);

-- AV-E-ZAGL: By profile colour; the colourless row serves every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-ZAGL', 'AV-1601-W',  'WHITE', 0,            200,          0,         150),
  ('AV-E-ZAGL', 'AV-1602-B',  'BROWN', 0,            200,          0,         150),
  ('AV-E-ZAGL', 'AV-1603-OK', 'OAK',   0,            200,          0,         150),
  ('AV-E-ZAGL', 'AV-1604-U',  '',      0,            200,          0,         150);

-- AV-E-ARCT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-ARCT', 'AV-1701', 0,            200,          0,         150);

-- AV-E-OLT
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-OLT', 'AV-1801-L', 1,      0,            200,          0,         150),
  ('AV-E-OLT', 'AV-1802-R', 2,      0,            200,          0,         150);

-- AV-E-KH
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-KH', 'AV-1811', 0,            200,          0,         150);

-- AV-E-STFIX
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-STFIX', 'AV-1910', 0,            200,          0,         150);

-- AV-E-STFIXS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-STFIXS', 'AV-1911', 0,            200,          0,         150);

-- AV-E-STM: By stulp type: 2 main sash on the right (mechanism on the left sash), 3 main sash on the left
INSERT INTO FrnArt (ID, CatalogID, StulpType, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-STM', 'AV-1901-L', 2,         0,            200,          0,         150),
  ('AV-E-STM', 'AV-1902-R', 3,         0,            200,          0,         150);

-- AV-E-STT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-STT', 'AV-1903', 0,            200,          0,         150);

-- AV-E-STMP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-STMP', 'AV-1912', 0,            200,          0,         150);

-- AV-E-HUS
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HUS', 'AV-2001-L', 1,      0,            200,          0,         150),
  ('AV-E-HUS', 'AV-2002-R', 2,      0,            200,          0,         150);

-- AV-E-HUS130
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HUS130', 'AV-2003-L', 1,      0,            200,          0,         150),
  ('AV-E-HUS130', 'AV-2004-R', 2,      0,            200,          0,         150);

-- AV-E-HUR: By rebate air gap (FalzLuft, mm)
INSERT INTO FrnArt (ID, CatalogID, FalzLuft, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HUR', 'AV-2011-12', 12,       0,            200,          0,         150),
  ('AV-E-HUR', 'AV-2012-4',  4,        0,            200,          0,         150);

-- AV-E-SOP: By rebate air gap and fittings axis (FalzPos)
INSERT INTO FrnArt (ID, CatalogID, FalzLuft, FalzPos, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-SOP', 'AV-2021-12-9',  12,       9,       0,            200,          0,         150),
  ('AV-E-SOP', 'AV-2022-12-13', 12,       13,      0,            200,          0,         150),
  ('AV-E-SOP', 'AV-2023-4-9',   4,        9,       0,            200,          0,         150);

-- AV-S-STD: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-STD', 'AV-3001-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-STD', 'AV-3002-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-KIPP: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-KIPP', 'AV-3011-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-KIPP', 'AV-3012-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-ST: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-ST', 'AV-3021-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-ST', 'AV-3022-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-ARC: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-ARC', 'AV-3031-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-ARC', 'AV-3032-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-VENT: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-VENT', 'AV-3041-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-VENT', 'AV-3042-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-FSP: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-FSP', 'AV-3051-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-FSP', 'AV-3052-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-FB: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-FB', 'AV-3061-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-FB', 'AV-3062-A68W', 'A68W',  0,            200,          0,         150);

-- AV-S-RC: By profile system (ProfSys)
INSERT INTO FrnArt (ID, CatalogID, ProfSys, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-S-RC', 'AV-3071-A70',  'A70',   0,            200,          0,         150),
  ('AV-S-RC', 'AV-3072-A68W', 'A68W',  0,            200,          0,         150);

-- AV-E-HGSTD: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HGSTD', 'AV-4001-W',  'WHITE',  0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4002-B',  'BROWN',  0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4003-S',  'SILVER', 0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4004-T',  'TITAN',  0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4005-BR', 'BRONZE', 0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4006-G',  'GOLD',   0,            200,          0,         150),
  ('AV-E-HGSTD', 'AV-4001-W',  '',       0,            200,          0,         150);

-- AV-E-HGKEY: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HGKEY', 'AV-4011-W',  'WHITE',  0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4012-B',  'BROWN',  0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4013-S',  'SILVER', 0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4014-T',  'TITAN',  0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4015-BR', 'BRONZE', 0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4016-G',  'GOLD',   0,            200,          0,         150),
  ('AV-E-HGKEY', 'AV-4011-W',  '',       0,            200,          0,         150);

-- AV-E-HGBTN: By fittings colour; white for every other colour
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-HGBTN', 'AV-4021-W',  'WHITE',  0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4022-B',  'BROWN',  0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4023-S',  'SILVER', 0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4024-T',  'TITAN',  0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4025-BR', 'BRONZE', 0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4026-G',  'GOLD',   0,            200,          0,         150),
  ('AV-E-HGBTN', 'AV-4021-W',  '',       0,            200,          0,         150);

-- AV-E-FB
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-FB', 'AV-5001', 0,            200,          0,         150);

-- AV-E-FBT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-FBT', 'AV-5002', 0,            200,          0,         150);

-- AV-E-MICRO
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('AV-E-MICRO', 'AV-7001', 0,            200,          0,         150);

-- DR-E-PRZ
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-PRZ', 'DR-8701', 0,            200,          0,         150);

-- DR-E-NAKL: By profile colour (outer or inner by opening type); silver for others
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-NAKL', 'DR-8702-W', 'WHITE', 0,            200,          0,         150),
  ('DR-E-NAKL', 'DR-8703-B', 'BROWN', 0,            200,          0,         150),
  ('DR-E-NAKL', 'DR-8704-U', '',      0,            200,          0,         150);

-- DR-E-POROG
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-POROG', 'DR-8710', 0,            200,          0,         150);

-- DR-E-HNG: By fittings colour; silver for others
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HNG', 'DR-8101-W', 'WHITE', 0,            200,          0,         150),
  ('DR-E-HNG', 'DR-8102-B', 'BROWN', 0,            200,          0,         150),
  ('DR-E-HNG', 'DR-8103-U', '',      0,            200,          0,         150);

-- DR-E-HS92-W
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HS92-W', 'DR-8201-W', 0,            200,          0,         150);

-- DR-E-HS92-B
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HS92-B', 'DR-8202-B', 0,            200,          0,         150);

-- DR-E-HS92-S
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HS92-S', 'DR-8203-S', 0,            200,          0,         150);

-- DR-E-HS92-BR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HS92-BR', 'DR-8204-BR', 0,            200,          0,         150);

-- DR-E-HS92-ST
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HS92-ST', 'DR-8205-ST', 0,            200,          0,         150);

-- DR-E-HR85-W
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HR85-W', 'DR-8221-W', 0,            200,          0,         150);

-- DR-E-HR85-B
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HR85-B', 'DR-8222-B', 0,            200,          0,         150);

-- DR-E-HR85-S
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HR85-S', 'DR-8223-S', 0,            200,          0,         150);

-- DR-E-HR85-BR
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HR85-BR', 'DR-8224-BR', 0,            200,          0,         150);

-- DR-E-HR85-ST
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-HR85-ST', 'DR-8225-ST', 0,            200,          0,         150);

-- DR-E-SKOBA: By fittings colour; stainless steel for others
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-SKOBA', 'DR-8241-ST', 'STEEL', 0,            200,          0,         150),
  ('DR-E-SKOBA', 'DR-8242-W',  'WHITE', 0,            200,          0,         150),
  ('DR-E-SKOBA', 'DR-8243-B',  'BROWN', 0,            200,          0,         150),
  ('DR-E-SKOBA', 'DR-8241-ST', '',      0,            200,          0,         150);

-- DR-S-LK: By door direction
INSERT INTO FrnArt (ID, CatalogID, Direct, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-LK', 'DR-8602-L', 1,      0,            200,          0,         150),
  ('DR-S-LK', 'DR-8603-R', 2,      0,            200,          0,         150);

-- DR-S-HOOK
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-HOOK', 'DR-8612', 0,            200,          0,         150);

-- DR-S-PIN
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-PIN', 'DR-8613', 0,            200,          0,         150);

-- DR-S-LK85
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-LK85', 'DR-8614', 0,            200,          0,         150);

-- DR-S-ROLL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-ROLL', 'DR-8615', 0,            200,          0,         150);

-- DR-S-FB
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-S-FB', 'DR-8616', 0,            200,          0,         150);

-- DR-E-LK92
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LK92', 'DR-8001', 0,            200,          0,         150);

-- DR-E-LKM1: By door height (FFH, cm)
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LKM1', 'DR-8011-2000', 170,    210,    0,            200,          0,         150),
  ('DR-E-LKM1', 'DR-8012-2300', 211,    240,    0,            200,          0,         150);

-- DR-E-LKM2: By door height (FFH, cm)
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LKM2', 'DR-8013-2000', 170,    210,    0,            200,          0,         150),
  ('DR-E-LKM2', 'DR-8014-2300', 211,    240,    0,            200,          0,         150);

-- DR-E-LKM3: By door height (FFH, cm)
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LKM3', 'DR-8015-2000', 170,    210,    0,            200,          0,         150),
  ('DR-E-LKM3', 'DR-8016-2300', 211,    240,    0,            200,          0,         150);

-- DR-E-LK85
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LK85', 'DR-8021', 0,            200,          0,         150);

-- DR-E-LK85FP
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LK85FP', 'DR-8022', 0,            200,          0,         150);

-- DR-E-ROLL
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-ROLL', 'DR-8031', 0,            200,          0,         150);

-- DR-E-LATCH: By fittings colour; white for others
INSERT INTO FrnArt (ID, CatalogID, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-LATCH', 'DR-8041-W', 'WHITE', 0,            200,          0,         150),
  ('DR-E-LATCH', 'DR-8042-B', 'BROWN', 0,            200,          0,         150),
  ('DR-E-LATCH', 'DR-8041-W', '',      0,            200,          0,         150);

-- DR-E-WINLOCK
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-WINLOCK', 'DR-8051', 0,            200,          0,         150);

-- DR-E-CYLKK: Cylinder length by profile thickness (mm)
INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-CYLKK', 'DR-8301-30-30', 0,            62,           0,            200,          0,         150),
  ('DR-E-CYLKK', 'DR-8302-35-35', 63,           74,           0,            200,          0,         150),
  ('DR-E-CYLKK', 'DR-8303-40-40', 75,           200,          0,            200,          0,         150);

-- DR-E-CYLKV: Cylinder length by profile thickness (mm)
INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-CYLKV', 'DR-8311-30-30', 0,            62,           0,            200,          0,         150),
  ('DR-E-CYLKV', 'DR-8312-35-35', 63,           74,           0,            200,          0,         150),
  ('DR-E-CYLKV', 'DR-8313-40-40', 75,           200,          0,            200,          0,         150);

-- DR-E-CYLSEC: Cylinder length by profile thickness (mm)
INSERT INTO FrnArt (ID, CatalogID, ThicknessMin, ThicknessMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-CYLSEC', 'DR-8321-30-30', 0,            62,           0,            200,          0,         150),
  ('DR-E-CYLSEC', 'DR-8322-35-35', 63,           74,           0,            200,          0,         150),
  ('DR-E-CYLSEC', 'DR-8323-40-40', 75,           200,          0,            200,          0,         150);

-- DR-E-CLS: Closer size by door width (FFB, cm); colour by fittings colour, silver for others
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-CLS', 'DR-8401-EN2-S', 60,     85,     'SILVER', 0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8401-EN2-S', 60,     85,     '',       0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8402-EN2-W', 60,     85,     'WHITE',  0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8403-EN3-S', 86,     100,    'SILVER', 0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8403-EN3-S', 86,     100,    '',       0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8404-EN3-W', 86,     100,    'WHITE',  0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8405-EN4-S', 101,    120,    'SILVER', 0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8405-EN4-S', 101,    120,    '',       0,            200,          0,         150),
  ('DR-E-CLS', 'DR-8406-EN4-W', 101,    120,    'WHITE',  0,            200,          0,         150);

-- DR-E-CLR: Closer size by door width (FFB, cm); colour by fittings colour, silver for others
INSERT INTO FrnArt (ID, CatalogID, FFBMin, FFBMax, Color, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-CLR', 'DR-8421-EN2-S', 60,     85,     'SILVER', 0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8421-EN2-S', 60,     85,     '',       0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8422-EN2-W', 60,     85,     'WHITE',  0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8423-EN3-S', 86,     100,    'SILVER', 0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8423-EN3-S', 86,     100,    '',       0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8424-EN3-W', 86,     100,    'WHITE',  0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8425-EN4-S', 101,    120,    'SILVER', 0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8425-EN4-S', 101,    120,    '',       0,            200,          0,         150),
  ('DR-E-CLR', 'DR-8426-EN4-W', 101,    120,    'WHITE',  0,            200,          0,         150);

-- DR-E-FB
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('DR-E-FB', 'DR-8501', 0,            200,          0,         150);

-- UN-E-FRAM: By sash height (FFH, cm)
INSERT INTO FrnArt (ID, CatalogID, FFHMin, FFHMax, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('UN-E-FRAM', 'UN-8801-1', 30,     60,     0,            200,          0,         150),
  ('UN-E-FRAM', 'UN-8801-2', 61,     120,    0,            200,          0,         150);

-- UN-E-FRAMS
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('UN-E-FRAMS', 'UN-8802', 0,            200,          0,         150);

-- UN-E-FRAMT
INSERT INTO FrnArt (ID, CatalogID, ProfWidthMin, ProfWidthMax, WeightMin, WeightMax) VALUES
  ('UN-E-FRAMT', 'UN-8803', 0,            200,          0,         150);
