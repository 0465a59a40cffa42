-- Composite elements (FrnItoI.DB): the parts an element brings along. A virtual element
-- (FrnItem.Virtual 1) has only its parts; others add their own article too.
INSERT INTO FrnItoI (ID, Item, "Number", PropKey, StulpType, ColorCondition, Required, AlertIfNoArt, Note, ItemSideNo) VALUES
  ('VK-E-FEHL',  'VK-E-FSP',    1,        0,       0,         0,              1,        'Блокиратор ошибочного открывания «Вектор» не найден в документации!', 'Блокиратор',                 0),
  ('VK-E-FEHL',  'VK-E-AHL',    1,        0,       64,        0,              0,        NULL,                                                                  'Только одностворчатые окна', 4),
  ('AV-E-FEHL',  'AV-E-FSP',    1,        0,       0,         0,              1,        'Блокиратор ошибочного открывания «Аврора» не найден в документации!', 'Блокиратор',                 0),
  ('AV-E-FEHL',  'AV-E-AHL',    1,        0,       64,        0,              0,        NULL,                                                                  'Только одностворчатые окна', 4),
  ('AV-E-RCSET', 'AV-E-PILZ',   4,        0,       0,         0,              1,        NULL,                                                                  'RC1',                        0),
  ('AV-E-RCSET', 'AV-E-RCP',    1,        0,       0,         0,              0,        NULL,                                                                  'RC1',                        0),
  ('DR-E-LK85',  'DR-E-LK85FP', 1,        0,       0,         0,              1,        NULL,                                                                  'Лицевая планка',             0);
