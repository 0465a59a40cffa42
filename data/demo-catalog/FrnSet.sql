-- Set rows (FrnSet.DB): the elements of every complect and component with their installation
-- conditions and quantity rules. Rows of a complect are resolved by element ID.
--   Condition (the measure the article is chosen by): 1 width, 2 height (FFB/FFH in units of 10 mm),
--   4 side Side1No, 6 sides Side1No and Side2No, 7 corner AngleNo, 8 radius of side Side1No.
--   ScaleCondition: 1 by width, 2 by height (cm), 3 by side Side1No, 4 by side Side2No (mm);
--   quantity = Number below ScaleStart, else ((D - ScaleStart) div ScaleStep + Number + 1) * ScaleNum;
--   with a ScaleScheme the count of its thresholds reached * ScaleNum + Number.
--   StulpType: mask, 4 type 2, 8 type 3, 12 both, 64 one sash. ColorCondition: 1 outer, 2 inner profile
--   colour, 3 by opening type, else the fittings colour. UseIfArt: only when the other sash of a stulp
--   window has that article. LenFormula: FFН (Cyrillic Н) sash height, FFB width, FFL(n) side length,
--   FFG(n) handle height.

-- VK-PO-L: tilt-turn, left
INSERT INTO FrnSet (ID, Item, "Number", PropKey, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-PO-L', 'VK-E-GETR', 1,        NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  3,            1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('VK-PO-L', 'VK-E-UP',   2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     3),
  ('VK-PO-L', 'VK-E-SCH',  1,        NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     2),
  ('VK-PO-L', 'VK-E-SCHZ', 1,        NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Только для створок шире 1000 мм',              NULL,                                                                     2),
  ('VK-PO-L', 'VK-E-MV',   0,        NULL,    NULL,   NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     3),
  ('VK-PO-L', 'VK-E-MH',   0,        NULL,    NULL,   NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-PO-L', 'VK-E-MVS',  1,        112,     NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Щелевое проветривание',                        NULL,                                                                     2),
  ('VK-PO-L', 'VK-E-FEHL', 1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     NULL,                                           NULL,                                                                     NULL),
  ('VK-PO-L', 'VK-E-ZAGL', 2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-PO-R: tilt-turn, right
INSERT INTO FrnSet (ID, Item, "Number", PropKey, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-PO-R', 'VK-E-GETR', 1,        NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  1,            1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('VK-PO-R', 'VK-E-UP',   2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     1),
  ('VK-PO-R', 'VK-E-SCH',  1,        NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     2),
  ('VK-PO-R', 'VK-E-SCHZ', 1,        NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Только для створок шире 1000 мм',              NULL,                                                                     2),
  ('VK-PO-R', 'VK-E-MV',   0,        NULL,    NULL,   NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     1),
  ('VK-PO-R', 'VK-E-MH',   0,        NULL,    NULL,   NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-PO-R', 'VK-E-MVS',  1,        112,     NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Щелевое проветривание',                        NULL,                                                                     2),
  ('VK-PO-R', 'VK-E-FEHL', 1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     NULL,                                           NULL,                                                                     NULL),
  ('VK-PO-R', 'VK-E-ZAGL', 2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-P-L: turn only, left
INSERT INTO FrnSet (ID, Item, "Number", Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-P-L', 'VK-E-GETR', 1,        2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  3,            1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('VK-P-L', 'VK-E-UP',   1,        NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     3),
  ('VK-P-L', 'VK-E-SCHP', 1,        1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     2),
  ('VK-P-L', 'VK-E-MV',   0,        NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     3),
  ('VK-P-L', 'VK-E-MH',   0,        NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-P-L', 'VK-E-ZAGL', 2,        NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-P-R: turn only, right
INSERT INTO FrnSet (ID, Item, "Number", Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-P-R', 'VK-E-GETR', 1,        2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  1,            1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('VK-P-R', 'VK-E-UP',   1,        NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     1),
  ('VK-P-R', 'VK-E-SCHP', 1,        1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                           NULL,                                                                     2),
  ('VK-P-R', 'VK-E-MV',   0,        NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     1),
  ('VK-P-R', 'VK-E-MH',   0,        NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-P-R', 'VK-E-ZAGL', 2,        NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-ST-M11: stulp main left sash (tilt-turn)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, StulpType, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-ST-M11', 'VK-E-GETR',  1,        NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  3,            NULL,      1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('VK-ST-M11', 'VK-E-UP',    2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      1,        NULL,                                           NULL,                                                                     3),
  ('VK-ST-M11', 'VK-E-SCH',   1,        NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      1,        NULL,                                           NULL,                                                                     2),
  ('VK-ST-M11', 'VK-E-SCHZ',  1,        NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     'Только для створок шире 1000 мм',              NULL,                                                                     2),
  ('VK-ST-M11', 'VK-E-MV',    0,        NULL,    NULL,   NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     3),
  ('VK-ST-M11', 'VK-E-MH',    0,        NULL,    NULL,   NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-ST-M11', 'VK-E-MVS',   1,        112,     NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     'Щелевое проветривание',                        NULL,                                                                     2),
  ('VK-ST-M11', 'VK-E-FEHL',  1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                           NULL,                                                                     NULL),
  ('VK-ST-M11', 'VK-E-STFIX', 1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         12,        NULL,     'Только в штульповых окнах',                    NULL,                                                                     3),
  ('VK-ST-M11', 'VK-E-ZAGL',  2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,      NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-ST-M21: stulp main right sash (tilt-turn)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, StulpType, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('VK-ST-M21', 'VK-E-GETR',  1,        NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  1,            NULL,      1,        NULL,                                           'Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('VK-ST-M21', 'VK-E-UP',    2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      1,        NULL,                                           NULL,                                                                     1),
  ('VK-ST-M21', 'VK-E-SCH',   1,        NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      1,        NULL,                                           NULL,                                                                     2),
  ('VK-ST-M21', 'VK-E-SCHZ',  1,        NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     'Только для створок шире 1000 мм',              NULL,                                                                     2),
  ('VK-ST-M21', 'VK-E-MV',    0,        NULL,    NULL,   NULL,      2,              60,        120,        1,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 600 мм высоты свыше 1200', NULL,                                                                     1),
  ('VK-ST-M21', 'VK-E-MH',    0,        NULL,    NULL,   NULL,      1,              50,        90,         1,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 500 мм ширины свыше 900',  NULL,                                                                     4),
  ('VK-ST-M21', 'VK-E-MVS',   1,        112,     NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     'Щелевое проветривание',                        NULL,                                                                     2),
  ('VK-ST-M21', 'VK-E-FEHL',  1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                           NULL,                                                                     NULL),
  ('VK-ST-M21', 'VK-E-STFIX', 1,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         12,        NULL,     'Только в штульповых окнах',                    NULL,                                                                     1),
  ('VK-ST-M21', 'VK-E-ZAGL',  2,        NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,      NULL,     'В цвет профиля изнутри',                       NULL,                                                                     NULL);

-- VK-ST-P22: stulp passive right sash with the stulp mechanism
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, StulpType, Required, UseLen, LenFormula, Note, MinLen, UseIfArt, ItemSideNo) VALUES
  ('VK-ST-P22', 'VK-E-STM',    1,        NULL,    NULL,     NULL,      NULL,           12,        1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      1),
  ('VK-ST-P22', 'VK-E-STT',    2,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     1,      '(FFН - 400) / 2', 'Верхняя и нижняя тяги',                   150,    NULL,      1),
  ('VK-ST-P22', 'VK-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      1),
  ('VK-ST-P22', 'VK-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      2),
  ('VK-ST-P22', 'VK-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть фиксатор',   NULL,   'VK-1910', 1),
  ('VK-ST-P22', 'VK-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть блокиратор', NULL,   'VK-1501', 1),
  ('VK-ST-P22', 'VK-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Главная створка выше 1500 мм',            NULL,   NULL,      1),
  ('VK-ST-P22', 'VK-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,      NULL,     NULL,   NULL,              NULL,                                      NULL,   NULL,      NULL);

-- VK-ST-P12: stulp passive left sash with the stulp mechanism
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, StulpType, Required, UseLen, LenFormula, Note, MinLen, UseIfArt, ItemSideNo) VALUES
  ('VK-ST-P12', 'VK-E-STM',    1,        NULL,    NULL,     NULL,      NULL,           12,        1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      3),
  ('VK-ST-P12', 'VK-E-STT',    2,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     1,      '(FFН - 400) / 2', 'Верхняя и нижняя тяги',                   150,    NULL,      3),
  ('VK-ST-P12', 'VK-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      3),
  ('VK-ST-P12', 'VK-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      2),
  ('VK-ST-P12', 'VK-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть фиксатор',   NULL,   'VK-1910', 3),
  ('VK-ST-P12', 'VK-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть блокиратор', NULL,   'VK-1501', 3),
  ('VK-ST-P12', 'VK-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Главная створка выше 1500 мм',            NULL,   NULL,      3),
  ('VK-ST-P12', 'VK-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,      NULL,     NULL,   NULL,              NULL,                                      NULL,   NULL,      NULL);

-- VK-TR3: trapezoid, figure 3
INSERT INTO FrnSet (ID, Item, "Number", Side1No, AngleNo, FFL1No, FFL1Min, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('VK-TR3', 'VK-E-GETR', 1,        NULL,    NULL,    NULL,   NULL,    2,         NULL,           1,                  3,            1,        NULL,                           3),
  ('VK-TR3', 'VK-E-UP',   1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           3),
  ('VK-TR3', 'VK-E-UPT',  1,        NULL,    2,       NULL,   NULL,    7,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('VK-TR3', 'VK-E-TSL',  1,        2,       NULL,    NULL,   NULL,    4,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('VK-TR3', 'VK-E-MSL',  1,        NULL,    NULL,    2,      1000,    NULL,      NULL,           NULL,               NULL,         NULL,     'Наклонная сторона от 1000 мм', 2),
  ('VK-TR3', 'VK-E-OLT',  1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           NULL),
  ('VK-TR3', 'VK-E-ZAGL', 2,        NULL,    NULL,    NULL,   NULL,    NULL,      2,              NULL,               NULL,         NULL,     NULL,                           NULL);

-- VK-TR4: trapezoid, figure 4
INSERT INTO FrnSet (ID, Item, "Number", Side1No, AngleNo, FFL1No, FFL1Min, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('VK-TR4', 'VK-E-GETR', 1,        NULL,    NULL,    NULL,   NULL,    2,         NULL,           1,                  1,            1,        NULL,                           1),
  ('VK-TR4', 'VK-E-UP',   1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           1),
  ('VK-TR4', 'VK-E-UPT',  1,        NULL,    3,       NULL,   NULL,    7,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('VK-TR4', 'VK-E-TSL',  1,        2,       NULL,    NULL,   NULL,    4,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('VK-TR4', 'VK-E-MSL',  1,        NULL,    NULL,    2,      1000,    NULL,      NULL,           NULL,               NULL,         NULL,     'Наклонная сторона от 1000 мм', 2),
  ('VK-TR4', 'VK-E-OLT',  1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           NULL),
  ('VK-TR4', 'VK-E-ZAGL', 2,        NULL,    NULL,    NULL,   NULL,    NULL,      2,              NULL,               NULL,         NULL,     NULL,                           NULL);

-- VK-TRI5: triangle, figure 5, bottom-hung
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, AngleNo, FFANo, FFAMax, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('VK-TRI5', 'VK-E-KGETR', 1,        2,       NULL,    NULL,    NULL,  NULL,   4,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  2,            1,        NULL,                                         2),
  ('VK-TRI5', 'VK-E-KH',    2,        3,       NULL,    NULL,    NULL,  NULL,   NULL,      3,              600,       1200,       1,        NULL,           NULL,               NULL,         1,        'Две петли, третья при основании от 1200 мм', 3),
  ('VK-TRI5', 'VK-E-KS',    2,        2,       3,       NULL,    NULL,  NULL,   6,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('VK-TRI5', 'VK-E-UPA',   1,        NULL,    NULL,    2,       NULL,  NULL,   7,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('VK-TRI5', 'VK-E-KPR',   1,        NULL,    NULL,    NULL,    1,     40.0,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Угол у основания острее 40°',                3),
  ('VK-TRI5', 'VK-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,  NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     NULL,                                         NULL);

-- VK-TRI6: triangle, figure 6, bottom-hung
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, AngleNo, FFANo, FFAMax, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('VK-TRI6', 'VK-E-KGETR', 1,        1,       NULL,    NULL,    NULL,  NULL,   4,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  1,            1,        NULL,                                         1),
  ('VK-TRI6', 'VK-E-KH',    2,        3,       NULL,    NULL,    NULL,  NULL,   NULL,      3,              600,       1200,       1,        NULL,           NULL,               NULL,         1,        'Две петли, третья при основании от 1200 мм', 3),
  ('VK-TRI6', 'VK-E-KS',    2,        1,       3,       NULL,    NULL,  NULL,   6,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('VK-TRI6', 'VK-E-UPA',   1,        NULL,    NULL,    2,       NULL,  NULL,   7,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('VK-TRI6', 'VK-E-KPR',   1,        NULL,    NULL,    NULL,    3,     40.0,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Угол у основания острее 40°',                3),
  ('VK-TRI6', 'VK-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,  NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     NULL,                                         NULL);

-- VK-ARCH-L: arch, left
INSERT INTO FrnSet (ID, Item, "Number", Side1No, FFR1No, FFR1Min, FFR1Max, FFR1Type, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('VK-ARCH-L', 'VK-E-GETR',  1,        3,       NULL,   NULL,    NULL,    NULL,     4,         NULL,           1,                  3,            1,        NULL,   NULL,                   'Привод по длине стороны ручки', NULL,   3),
  ('VK-ARCH-L', 'VK-E-UP',    1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   4),
  ('VK-ARCH-L', 'VK-E-ARCUP', 2,        2,       2,      200,     2000,    NULL,     8,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('VK-ARCH-L', 'VK-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    2,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.571 - 300', 'Полуциркульная арка',           150,    2),
  ('VK-ARCH-L', 'VK-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    4,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.15 - 250',  'Сегментная арка',               150,    2),
  ('VK-ARCH-L', 'VK-E-SCH',   1,        NULL,    NULL,   NULL,    NULL,    NULL,     1,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('VK-ARCH-L', 'VK-E-FEHL',  1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL),
  ('VK-ARCH-L', 'VK-E-ZAGL',  2,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      2,              NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL);

-- VK-ARCH-R: arch, right
INSERT INTO FrnSet (ID, Item, "Number", Side1No, FFR1No, FFR1Min, FFR1Max, FFR1Type, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('VK-ARCH-R', 'VK-E-GETR',  1,        1,       NULL,   NULL,    NULL,    NULL,     4,         NULL,           1,                  1,            1,        NULL,   NULL,                   'Привод по длине стороны ручки', NULL,   1),
  ('VK-ARCH-R', 'VK-E-UP',    1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   4),
  ('VK-ARCH-R', 'VK-E-ARCUP', 2,        2,       2,      200,     2000,    NULL,     8,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('VK-ARCH-R', 'VK-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    2,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.571 - 300', 'Полуциркульная арка',           150,    2),
  ('VK-ARCH-R', 'VK-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    4,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.15 - 250',  'Сегментная арка',               150,    2),
  ('VK-ARCH-R', 'VK-E-SCH',   1,        NULL,    NULL,   NULL,    NULL,    NULL,     1,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('VK-ARCH-R', 'VK-E-FEHL',  1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL),
  ('VK-ARCH-R', 'VK-E-ZAGL',  2,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      2,              NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL);

-- VK-HANDLE: window handle, its kind chosen by property (1011 standard, 1012 key, 1013 button)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required) VALUES
  ('VK-HANDLE', 'VK-E-HGSTD', 1,        101,     1),
  ('VK-HANDLE', 'VK-E-HGKEY', 1,        102,     1),
  ('VK-HANDLE', 'VK-E-HGBTN', 1,        103,     1);

-- VK-HANDLE-B: balcony door handle
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('VK-HANDLE-B', 'VK-E-HGB', 1,        1);

-- VK-HINGE: hinges: bottom hinge on sash and frame, stay bearing; covers by colour (FrnAbd)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required, AlertIfNoArt) VALUES
  ('VK-HINGE', 'VK-E-HUS', 1,        0,       1,        NULL),
  ('VK-HINGE', 'VK-E-HUR', 1,        NULL,    1,        'Петли «Вектор» не предназначены для фальца деревянных окон!'),
  ('VK-HINGE', 'VK-E-SOP', 1,        NULL,    1,        NULL);

-- VK-FLUSH: flush bolts of a passive sash
INSERT INTO FrnSet (ID, Item, "Number", Required, UseLen, LenFormula, Note, MinLen) VALUES
  ('VK-FLUSH', 'VK-E-FB',  2,        1,        NULL,   NULL,            'Верхний и нижний', NULL),
  ('VK-FLUSH', 'VK-E-FBT', 2,        NULL,     1,      'FFН / 2 - 250', NULL,               100);

-- VK-X-OGR: additional complect
INSERT INTO FrnSet (ID, Item, "Number") VALUES
  ('VK-X-OGR', 'VK-E-OGR', 1);

-- AV-PO-L: tilt-turn, left
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Side1No, Side2No, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-PO-L', 'AV-E-GETR',  1,        NULL,    NULL,    NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  3,            1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('AV-PO-L', 'AV-E-UP',    2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     3),
  ('AV-PO-L', 'AV-E-SCH',   1,        NULL,    NULL,    NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     2),
  ('AV-PO-L', 'AV-E-SCHZ',  1,        NULL,    NULL,    NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'Только для створок шире 1000 мм',       NULL,                                                                     2),
  ('AV-PO-L', 'AV-E-MV',    0,        NULL,    3,       NULL,    NULL,   NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     3),
  ('AV-PO-L', 'AV-E-MH',    0,        NULL,    NULL,    4,       NULL,   NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-PO-L', 'AV-E-MPR',   0,        NULL,    1,       NULL,    NULL,   NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     1),
  ('AV-PO-L', 'AV-E-MVS',   1,        212,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'Щелевое проветривание',                 NULL,                                                                     2),
  ('AV-PO-L', 'AV-E-FEHL',  1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     NULL),
  ('AV-PO-L', 'AV-E-RCSET', 1,        214,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'RC1',                                   NULL,                                                                     NULL),
  ('AV-PO-L', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-PO-R: tilt-turn, right
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Side1No, Side2No, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-PO-R', 'AV-E-GETR',  1,        NULL,    NULL,    NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  1,            1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('AV-PO-R', 'AV-E-UP',    2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     1),
  ('AV-PO-R', 'AV-E-SCH',   1,        NULL,    NULL,    NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     2),
  ('AV-PO-R', 'AV-E-SCHZ',  1,        NULL,    NULL,    NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'Только для створок шире 1000 мм',       NULL,                                                                     2),
  ('AV-PO-R', 'AV-E-MV',    0,        NULL,    1,       NULL,    NULL,   NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     1),
  ('AV-PO-R', 'AV-E-MH',    0,        NULL,    NULL,    4,       NULL,   NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-PO-R', 'AV-E-MPR',   0,        NULL,    3,       NULL,    NULL,   NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     3),
  ('AV-PO-R', 'AV-E-MVS',   1,        212,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'Щелевое проветривание',                 NULL,                                                                     2),
  ('AV-PO-R', 'AV-E-FEHL',  1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     NULL),
  ('AV-PO-R', 'AV-E-RCSET', 1,        214,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,     'RC1',                                   NULL,                                                                     NULL),
  ('AV-PO-R', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-P-L: turn only, left
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-P-L', 'AV-E-GETR', 1,        NULL,    NULL,    2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  3,            1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('AV-P-L', 'AV-E-UP',   1,        NULL,    NULL,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     3),
  ('AV-P-L', 'AV-E-SCHP', 1,        NULL,    NULL,    1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     2),
  ('AV-P-L', 'AV-E-MV',   0,        3,       NULL,    NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     3),
  ('AV-P-L', 'AV-E-MH',   0,        NULL,    4,       NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-P-L', 'AV-E-MPR',  0,        1,       NULL,    NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     1),
  ('AV-P-L', 'AV-E-ZAGL', 2,        NULL,    NULL,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-P-R: turn only, right
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-P-R', 'AV-E-GETR', 1,        NULL,    NULL,    2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  1,            1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('AV-P-R', 'AV-E-UP',   1,        NULL,    NULL,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     1),
  ('AV-P-R', 'AV-E-SCHP', 1,        NULL,    NULL,    1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         1,        NULL,                                    NULL,                                                                     2),
  ('AV-P-R', 'AV-E-MV',   0,        1,       NULL,    NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     1),
  ('AV-P-R', 'AV-E-MH',   0,        NULL,    4,       NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-P-R', 'AV-E-MPR',  0,        3,       NULL,    NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,     NULL,                                    NULL,                                                                     3),
  ('AV-P-R', 'AV-E-ZAGL', 2,        NULL,    NULL,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-ST-M11: stulp main left sash (tilt-turn)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Side1No, Side2No, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, StulpType, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-ST-M11', 'AV-E-GETR',  1,        NULL,    NULL,    NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  3,            NULL,      1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 3),
  ('AV-ST-M11', 'AV-E-UP',    2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      1,        NULL,                                    NULL,                                                                     3),
  ('AV-ST-M11', 'AV-E-SCH',   1,        NULL,    NULL,    NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      1,        NULL,                                    NULL,                                                                     2),
  ('AV-ST-M11', 'AV-E-SCHZ',  1,        NULL,    NULL,    NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'Только для створок шире 1000 мм',       NULL,                                                                     2),
  ('AV-ST-M11', 'AV-E-MV',    0,        NULL,    3,       NULL,    NULL,   NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     3),
  ('AV-ST-M11', 'AV-E-MH',    0,        NULL,    NULL,    4,       NULL,   NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,      NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-ST-M11', 'AV-E-MPR',   0,        NULL,    1,       NULL,    NULL,   NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                    NULL,                                                                     1),
  ('AV-ST-M11', 'AV-E-MVS',   1,        212,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'Щелевое проветривание',                 NULL,                                                                     2),
  ('AV-ST-M11', 'AV-E-FEHL',  1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                    NULL,                                                                     NULL),
  ('AV-ST-M11', 'AV-E-RCSET', 1,        214,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'RC1',                                   NULL,                                                                     NULL),
  ('AV-ST-M11', 'AV-E-STFIX', 1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         12,        NULL,     'Только в штульповых окнах',             NULL,                                                                     3),
  ('AV-ST-M11', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,      NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-ST-M21: stulp main right sash (tilt-turn)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Side1No, Side2No, FFBMin, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ScaleScheme, ColorCondition, DefineHandleHeight, HandleSideNo, StulpType, Required, Note, AlertIfNoArt, ItemSideNo) VALUES
  ('AV-ST-M21', 'AV-E-GETR',  1,        NULL,    NULL,    NULL,    NULL,   2,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           1,                  1,            NULL,      1,        NULL,                                    'Привод «Аврора» для такой высоты створки или Дорнмасса не выпускается!', 1),
  ('AV-ST-M21', 'AV-E-UP',    2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      1,        NULL,                                    NULL,                                                                     1),
  ('AV-ST-M21', 'AV-E-SCH',   1,        NULL,    NULL,    NULL,    NULL,   1,         NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      1,        NULL,                                    NULL,                                                                     2),
  ('AV-ST-M21', 'AV-E-SCHZ',  1,        NULL,    NULL,    NULL,    101,    NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'Только для створок шире 1000 мм',       NULL,                                                                     2),
  ('AV-ST-M21', 'AV-E-MV',    0,        NULL,    1,       NULL,    NULL,   NULL,      3,              600,       1200,       1,        NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'По одному на каждые 600 мм свыше 1200', NULL,                                                                     1),
  ('AV-ST-M21', 'AV-E-MH',    0,        NULL,    NULL,    4,       NULL,   NULL,      4,              NULL,      NULL,       1,        '900;1400',  NULL,           NULL,               NULL,         NULL,      NULL,     'Нижняя сторона от 900 и от 1400 мм',    NULL,                                                                     4),
  ('AV-ST-M21', 'AV-E-MPR',   0,        NULL,    3,       NULL,    NULL,   NULL,      3,              700,       1300,       1,        NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                    NULL,                                                                     3),
  ('AV-ST-M21', 'AV-E-MVS',   1,        212,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'Щелевое проветривание',                 NULL,                                                                     2),
  ('AV-ST-M21', 'AV-E-FEHL',  1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     NULL,                                    NULL,                                                                     NULL),
  ('AV-ST-M21', 'AV-E-RCSET', 1,        214,     NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         NULL,      NULL,     'RC1',                                   NULL,                                                                     NULL),
  ('AV-ST-M21', 'AV-E-STFIX', 1,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        NULL,           NULL,               NULL,         12,        NULL,     'Только в штульповых окнах',             NULL,                                                                     1),
  ('AV-ST-M21', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,        2,              NULL,               NULL,         NULL,      NULL,     'В цвет профиля изнутри',                NULL,                                                                     NULL);

-- AV-ST-P22: stulp passive right sash with the stulp mechanism
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, StulpType, Required, UseLen, LenFormula, Note, MinLen, UseIfArt, ItemSideNo) VALUES
  ('AV-ST-P22', 'AV-E-STM',    1,        NULL,    NULL,     NULL,      NULL,           12,        1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      1),
  ('AV-ST-P22', 'AV-E-STT',    2,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     1,      '(FFН - 400) / 2', 'Верхняя и нижняя тяги',                   150,    NULL,      1),
  ('AV-ST-P22', 'AV-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      1),
  ('AV-ST-P22', 'AV-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      2),
  ('AV-ST-P22', 'AV-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть фиксатор',   NULL,   'AV-1910', 1),
  ('AV-ST-P22', 'AV-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть блокиратор', NULL,   'AV-1501', 1),
  ('AV-ST-P22', 'AV-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Главная створка выше 1500 мм',            NULL,   NULL,      1),
  ('AV-ST-P22', 'AV-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,      NULL,     NULL,   NULL,              NULL,                                      NULL,   NULL,      NULL);

-- AV-ST-P12: stulp passive left sash with the stulp mechanism
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, StulpType, Required, UseLen, LenFormula, Note, MinLen, UseIfArt, ItemSideNo) VALUES
  ('AV-ST-P12', 'AV-E-STM',    1,        NULL,    NULL,     NULL,      NULL,           12,        1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      3),
  ('AV-ST-P12', 'AV-E-STT',    2,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     1,      '(FFН - 400) / 2', 'Верхняя и нижняя тяги',                   150,    NULL,      3),
  ('AV-ST-P12', 'AV-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      3),
  ('AV-ST-P12', 'AV-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           NULL,      1,        NULL,   NULL,              NULL,                                      NULL,   NULL,      2),
  ('AV-ST-P12', 'AV-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть фиксатор',   NULL,   'AV-1910', 3),
  ('AV-ST-P12', 'AV-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Если на главной створке есть блокиратор', NULL,   'AV-1501', 3),
  ('AV-ST-P12', 'AV-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,      NULL,     NULL,   NULL,              'Главная створка выше 1500 мм',            NULL,   NULL,      3),
  ('AV-ST-P12', 'AV-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,      NULL,     NULL,   NULL,              NULL,                                      NULL,   NULL,      NULL);

-- AV-ST-P23: stulp passive right sash for flush bolts
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, Required, Note, UseIfArt, ItemSideNo) VALUES
  ('AV-ST-P23', 'AV-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           1,        NULL,                                      NULL,      1),
  ('AV-ST-P23', 'AV-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           1,        NULL,                                      NULL,      2),
  ('AV-ST-P23', 'AV-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,     'Если на главной створке есть фиксатор',   'AV-1910', 1),
  ('AV-ST-P23', 'AV-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,     'Если на главной створке есть блокиратор', 'AV-1501', 1),
  ('AV-ST-P23', 'AV-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,     'Главная створка выше 1500 мм',            NULL,      1),
  ('AV-ST-P23', 'AV-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,     NULL,                                      NULL,      NULL);

-- AV-ST-P13: stulp passive left sash for flush bolts
INSERT INTO FrnSet (ID, Item, "Number", FFL21No, FFL21Min, Condition, ColorCondition, Required, Note, UseIfArt, ItemSideNo) VALUES
  ('AV-ST-P13', 'AV-E-UP',     2,        NULL,    NULL,     NULL,      NULL,           1,        NULL,                                      NULL,      3),
  ('AV-ST-P13', 'AV-E-SCHP',   1,        NULL,    NULL,     1,         NULL,           1,        NULL,                                      NULL,      2),
  ('AV-ST-P13', 'AV-E-STFIXS', 1,        NULL,    NULL,     NULL,      NULL,           NULL,     'Если на главной створке есть фиксатор',   'AV-1910', 3),
  ('AV-ST-P13', 'AV-E-FSPS',   1,        NULL,    NULL,     NULL,      NULL,           NULL,     'Если на главной створке есть блокиратор', 'AV-1501', 3),
  ('AV-ST-P13', 'AV-E-STMP',   1,        1,       1500,     NULL,      NULL,           NULL,     'Главная створка выше 1500 мм',            NULL,      3),
  ('AV-ST-P13', 'AV-E-ZAGL',   2,        NULL,    NULL,     NULL,      2,              NULL,     NULL,                                      NULL,      NULL);

-- AV-TR3: trapezoid, figure 3
INSERT INTO FrnSet (ID, Item, "Number", Side1No, AngleNo, FFL1No, FFL1Min, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('AV-TR3', 'AV-E-GETR', 1,        NULL,    NULL,    NULL,   NULL,    2,         NULL,           1,                  3,            1,        NULL,                           3),
  ('AV-TR3', 'AV-E-UP',   1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           3),
  ('AV-TR3', 'AV-E-UPT',  1,        NULL,    2,       NULL,   NULL,    7,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('AV-TR3', 'AV-E-TSL',  1,        2,       NULL,    NULL,   NULL,    4,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('AV-TR3', 'AV-E-MSL',  1,        NULL,    NULL,    2,      1000,    NULL,      NULL,           NULL,               NULL,         NULL,     'Наклонная сторона от 1000 мм', 2),
  ('AV-TR3', 'AV-E-OLT',  1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           NULL),
  ('AV-TR3', 'AV-E-ZAGL', 2,        NULL,    NULL,    NULL,   NULL,    NULL,      2,              NULL,               NULL,         NULL,     NULL,                           NULL);

-- AV-TR4: trapezoid, figure 4
INSERT INTO FrnSet (ID, Item, "Number", Side1No, AngleNo, FFL1No, FFL1Min, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('AV-TR4', 'AV-E-GETR', 1,        NULL,    NULL,    NULL,   NULL,    2,         NULL,           1,                  1,            1,        NULL,                           1),
  ('AV-TR4', 'AV-E-UP',   1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           1),
  ('AV-TR4', 'AV-E-UPT',  1,        NULL,    3,       NULL,   NULL,    7,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('AV-TR4', 'AV-E-TSL',  1,        2,       NULL,    NULL,   NULL,    4,         NULL,           NULL,               NULL,         1,        NULL,                           2),
  ('AV-TR4', 'AV-E-MSL',  1,        NULL,    NULL,    2,      1000,    NULL,      NULL,           NULL,               NULL,         NULL,     'Наклонная сторона от 1000 мм', 2),
  ('AV-TR4', 'AV-E-OLT',  1,        NULL,    NULL,    NULL,   NULL,    NULL,      NULL,           NULL,               NULL,         1,        NULL,                           NULL),
  ('AV-TR4', 'AV-E-ZAGL', 2,        NULL,    NULL,    NULL,   NULL,    NULL,      2,              NULL,               NULL,         NULL,     NULL,                           NULL);

-- AV-TRI5: triangle, figure 5, bottom-hung
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, AngleNo, FFANo, FFAMax, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('AV-TRI5', 'AV-E-KGETR', 1,        2,       NULL,    NULL,    NULL,  NULL,   4,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  2,            1,        NULL,                                         2),
  ('AV-TRI5', 'AV-E-KH',    2,        3,       NULL,    NULL,    NULL,  NULL,   NULL,      3,              600,       1200,       1,        NULL,           NULL,               NULL,         1,        'Две петли, третья при основании от 1200 мм', 3),
  ('AV-TRI5', 'AV-E-KS',    2,        2,       3,       NULL,    NULL,  NULL,   6,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('AV-TRI5', 'AV-E-UPA',   1,        NULL,    NULL,    2,       NULL,  NULL,   7,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('AV-TRI5', 'AV-E-KPR',   1,        NULL,    NULL,    NULL,    1,     40.0,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Угол у основания острее 40°',                3),
  ('AV-TRI5', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,  NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     NULL,                                         NULL);

-- AV-TRI6: triangle, figure 6, bottom-hung
INSERT INTO FrnSet (ID, Item, "Number", Side1No, Side2No, AngleNo, FFANo, FFAMax, Condition, ScaleCondition, ScaleStep, ScaleStart, ScaleNum, ColorCondition, DefineHandleHeight, HandleSideNo, Required, Note, ItemSideNo) VALUES
  ('AV-TRI6', 'AV-E-KGETR', 1,        1,       NULL,    NULL,    NULL,  NULL,   4,         NULL,           NULL,      NULL,       NULL,     NULL,           1,                  1,            1,        NULL,                                         1),
  ('AV-TRI6', 'AV-E-KH',    2,        3,       NULL,    NULL,    NULL,  NULL,   NULL,      3,              600,       1200,       1,        NULL,           NULL,               NULL,         1,        'Две петли, третья при основании от 1200 мм', 3),
  ('AV-TRI6', 'AV-E-KS',    2,        1,       3,       NULL,    NULL,  NULL,   6,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('AV-TRI6', 'AV-E-UPA',   1,        NULL,    NULL,    2,       NULL,  NULL,   7,         NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         1,        NULL,                                         NULL),
  ('AV-TRI6', 'AV-E-KPR',   1,        NULL,    NULL,    NULL,    3,     40.0,   NULL,      NULL,           NULL,      NULL,       NULL,     NULL,           NULL,               NULL,         NULL,     'Угол у основания острее 40°',                3),
  ('AV-TRI6', 'AV-E-ZAGL',  2,        NULL,    NULL,    NULL,    NULL,  NULL,   NULL,      NULL,           NULL,      NULL,       NULL,     2,              NULL,               NULL,         NULL,     NULL,                                         NULL);

-- AV-ARCH-L: arch, left
INSERT INTO FrnSet (ID, Item, "Number", Side1No, FFR1No, FFR1Min, FFR1Max, FFR1Type, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('AV-ARCH-L', 'AV-E-GETR',  1,        3,       NULL,   NULL,    NULL,    NULL,     4,         NULL,           1,                  3,            1,        NULL,   NULL,                   'Привод по длине стороны ручки', NULL,   3),
  ('AV-ARCH-L', 'AV-E-UP',    1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   4),
  ('AV-ARCH-L', 'AV-E-ARCUP', 2,        2,       2,      200,     2000,    NULL,     8,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('AV-ARCH-L', 'AV-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    2,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.571 - 300', 'Полуциркульная арка',           150,    2),
  ('AV-ARCH-L', 'AV-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    4,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.15 - 250',  'Сегментная арка',               150,    2),
  ('AV-ARCH-L', 'AV-E-SCH',   1,        NULL,    NULL,   NULL,    NULL,    NULL,     1,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('AV-ARCH-L', 'AV-E-FEHL',  1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL),
  ('AV-ARCH-L', 'AV-E-ZAGL',  2,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      2,              NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL);

-- AV-ARCH-R: arch, right
INSERT INTO FrnSet (ID, Item, "Number", Side1No, FFR1No, FFR1Min, FFR1Max, FFR1Type, Condition, ColorCondition, DefineHandleHeight, HandleSideNo, Required, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('AV-ARCH-R', 'AV-E-GETR',  1,        1,       NULL,   NULL,    NULL,    NULL,     4,         NULL,           1,                  1,            1,        NULL,   NULL,                   'Привод по длине стороны ручки', NULL,   1),
  ('AV-ARCH-R', 'AV-E-UP',    1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   4),
  ('AV-ARCH-R', 'AV-E-ARCUP', 2,        2,       2,      200,     2000,    NULL,     8,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('AV-ARCH-R', 'AV-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    2,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.571 - 300', 'Полуциркульная арка',           150,    2),
  ('AV-ARCH-R', 'AV-E-ARCT',  1,        NULL,    2,      NULL,    NULL,    4,        NULL,      NULL,           NULL,               NULL,         NULL,     1,      'FFL(2) * 1.15 - 250',  'Сегментная арка',               150,    2),
  ('AV-ARCH-R', 'AV-E-SCH',   1,        NULL,    NULL,   NULL,    NULL,    NULL,     1,         NULL,           NULL,               NULL,         1,        NULL,   NULL,                   NULL,                            NULL,   2),
  ('AV-ARCH-R', 'AV-E-FEHL',  1,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      NULL,           NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL),
  ('AV-ARCH-R', 'AV-E-ZAGL',  2,        NULL,    NULL,   NULL,    NULL,    NULL,     NULL,      2,              NULL,               NULL,         NULL,     NULL,   NULL,                   NULL,                            NULL,   NULL);

-- AV-HANDLE: window handle, its kind chosen by property (1011 standard, 1012 key, 1013 button)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required) VALUES
  ('AV-HANDLE', 'AV-E-HGSTD', 1,        101,     1),
  ('AV-HANDLE', 'AV-E-HGKEY', 1,        102,     1),
  ('AV-HANDLE', 'AV-E-HGBTN', 1,        103,     1);

-- AV-HINGE: hinges: bottom hinge on sash and frame, stay bearing; covers by colour (FrnAbd)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required, AlertIfNoArt) VALUES
  ('AV-HINGE', 'AV-E-HUS',    1,        221,     1,        NULL),
  ('AV-HINGE', 'AV-E-HUS130', 1,        222,     1,        NULL),
  ('AV-HINGE', 'AV-E-HUR',    1,        NULL,    1,        NULL),
  ('AV-HINGE', 'AV-E-SOP',    1,        NULL,    1,        NULL);

-- AV-FLUSH: flush bolts of a passive sash
INSERT INTO FrnSet (ID, Item, "Number", Required, UseLen, LenFormula, Note, MinLen) VALUES
  ('AV-FLUSH', 'AV-E-FB',  2,        1,        NULL,   NULL,            'Верхний и нижний', NULL),
  ('AV-FLUSH', 'AV-E-FBT', 2,        NULL,     1,      'FFН / 2 - 250', NULL,               100);

-- AV-X-MICRO: additional complect
INSERT INTO FrnSet (ID, Item, "Number") VALUES
  ('AV-X-MICRO', 'AV-E-MICRO', 1);

-- DR-HS92: lever set, colour chosen by property (1021..1025)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required) VALUES
  ('DR-HS92', 'DR-E-HS92-W',  1,        301,     1),
  ('DR-HS92', 'DR-E-HS92-B',  1,        302,     1),
  ('DR-HS92', 'DR-E-HS92-S',  1,        303,     1),
  ('DR-HS92', 'DR-E-HS92-BR', 1,        304,     1),
  ('DR-HS92', 'DR-E-HS92-ST', 1,        305,     1);

-- DR-HR85: lever set, colour chosen by property (1021..1025)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required) VALUES
  ('DR-HR85', 'DR-E-HR85-W',  1,        301,     1),
  ('DR-HR85', 'DR-E-HR85-B',  1,        302,     1),
  ('DR-HR85', 'DR-E-HR85-S',  1,        303,     1),
  ('DR-HR85', 'DR-E-HR85-BR', 1,        304,     1),
  ('DR-HR85', 'DR-E-HR85-ST', 1,        305,     1);

-- DR-SKOBA: pull handle
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-SKOBA', 'DR-E-SKOBA', 1,        1);

-- DR-LK92: single-point lock
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-LK92', 'DR-E-LK92', 1,        1);

-- DR-LKM: multipoint lock, locking chosen by property (1031..1033)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Condition, Required, AlertIfNoArt) VALUES
  ('DR-LKM', 'DR-E-LKM1', 1,        311,     2,         1,        'Многозапорный замок для двери такой высоты не выпускается!'),
  ('DR-LKM', 'DR-E-LKM2', 1,        312,     2,         1,        'Многозапорный замок для двери такой высоты не выпускается!'),
  ('DR-LKM', 'DR-E-LKM3', 1,        313,     2,         1,        'Многозапорный замок для двери такой высоты не выпускается!');

-- DR-LK85: mortise lock with its face plate (composite element)
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-LK85', 'DR-E-LK85', 1,        1);

-- DR-ROLL: roller latch
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-ROLL', 'DR-E-ROLL', 1,        1);

-- DR-LATCH: balcony latch
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-LATCH', 'DR-E-LATCH', 1,        1);

-- DR-WINLOCK: window lock
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-WINLOCK', 'DR-E-WINLOCK', 1,        1);

-- DR-CYL: cylinder, kind chosen by property (1041, 1042)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Required) VALUES
  ('DR-CYL', 'DR-E-CYLKK', 1,        321,     1),
  ('DR-CYL', 'DR-E-CYLKV', 1,        322,     1);

-- DR-CYL-SEC: high-security cylinder
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-CYL-SEC', 'DR-E-CYLSEC', 1,        1);

-- DR-CLOSER: door closer, arm chosen by property (1081, 1082)
INSERT INTO FrnSet (ID, Item, "Number", PropKey, Condition, Required) VALUES
  ('DR-CLOSER', 'DR-E-CLS', 1,        331,     1,         1),
  ('DR-CLOSER', 'DR-E-CLR', 1,        332,     1,         1);

-- DR-FLUSH: flush bolts of a passive door leaf
INSERT INTO FrnSet (ID, Item, "Number", Required) VALUES
  ('DR-FLUSH', 'DR-E-FB', 2,        1);

-- DR-MAIN-L: entrance door, left
INSERT INTO FrnSet (ID, Item, "Number", ScaleCondition, ScaleNum, ScaleScheme, ColorCondition, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('DR-MAIN-L', 'DR-E-PRZ',   2,        2,              1,        '190;220',   NULL,           NULL,   NULL,       'Два прижима, по одному на высоту от 1900 и от 2200', NULL,   3),
  ('DR-MAIN-L', 'DR-E-NAKL',  2,        NULL,           NULL,     NULL,        3,              NULL,   NULL,       NULL,                                                 NULL,   NULL),
  ('DR-MAIN-L', 'DR-E-POROG', 1,        NULL,           NULL,     NULL,        NULL,           1,      'FFB + 40', NULL,                                                 500,    4);

-- DR-MAIN-R: entrance door, right
INSERT INTO FrnSet (ID, Item, "Number", ScaleCondition, ScaleNum, ScaleScheme, ColorCondition, UseLen, LenFormula, Note, MinLen, ItemSideNo) VALUES
  ('DR-MAIN-R', 'DR-E-PRZ',   2,        2,              1,        '190;220',   NULL,           NULL,   NULL,       'Два прижима, по одному на высоту от 1900 и от 2200', NULL,   1),
  ('DR-MAIN-R', 'DR-E-NAKL',  2,        NULL,           NULL,     NULL,        3,              NULL,   NULL,       NULL,                                                 NULL,   NULL),
  ('DR-MAIN-R', 'DR-E-POROG', 1,        NULL,           NULL,     NULL,        NULL,           1,      'FFB + 40', NULL,                                                 500,    4);

-- DR-HINGE: three hinges, a fourth from 2100 mm door height
INSERT INTO FrnSet (ID, Item, "Number", ScaleCondition, ScaleStep, ScaleStart, ScaleNum, Required) VALUES
  ('DR-HINGE', 'DR-E-HNG', 3,        2,              50,        210,        1,        1);

-- UN-X-FRAM: transom opener for bottom-hung transoms
INSERT INTO FrnSet (ID, Item, "Number", Condition, Required, UseLen, LenFormula, MinLen) VALUES
  ('UN-X-FRAM', 'UN-E-FRAM',  1,        2,         1,        NULL,   NULL,        NULL),
  ('UN-X-FRAM', 'UN-E-FRAMS', 1,        NULL,      NULL,     NULL,   NULL,        NULL),
  ('UN-X-FRAM', 'UN-E-FRAMT', 1,        NULL,      NULL,     1,      'FFB - 200', 200);
