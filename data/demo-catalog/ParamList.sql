-- Parameter lists (ParamList.DB), each code in its own hundred:
--   100..199 rebate parameters (FalzLuft air gap, FalzSize, FalzPos = fittings axis, mm);
--   200..299 Dornmass (backset of the drive, mm);
--   300..399 stulp types: 6 one sash, 2 main sash on the right (figure 1), 3 main sash on the left
--            (figure 2);
--   400..499 sash opening types: 1 outward (colour condition 3 takes the outer colour), 2 T-shaped sash.
INSERT INTO ParamList (ID, "Group", "Name", FalzLuft, FalzSize, FalzPos, DornMass, OpenType, StulpType) VALUES
  (101, 1,       '12/20-9 (ПВХ, ось 9 мм)',        12,       20,       9,       NULL,     NULL,     NULL),
  (102, 1,       '12/20-13 (ПВХ, ось 13 мм)',      12,       20,       13,      NULL,     NULL,     NULL),
  (103, 1,       '4/18-9 (дерево, ось 9 мм)',      4,        18,       9,       NULL,     NULL,     NULL),
  (201, 2,       '15 мм',                          NULL,     NULL,     NULL,    15.0,     NULL,     NULL),
  (202, 2,       '25 мм',                          NULL,     NULL,     NULL,    25.0,     NULL,     NULL),
  (203, 2,       '35 мм',                          NULL,     NULL,     NULL,    35.0,     NULL,     NULL),
  (204, 2,       '7,5 мм',                         NULL,     NULL,     NULL,    7.5,      NULL,     NULL),
  (301, 3,       'Одностворчатое, без штульпа',    NULL,     NULL,     NULL,    NULL,     NULL,     6),
  (302, 3,       'Штульп, главная правая створка', NULL,     NULL,     NULL,    NULL,     NULL,     2),
  (303, 3,       'Штульп, главная левая створка',  NULL,     NULL,     NULL,    NULL,     NULL,     3),
  (401, 4,       'Открывание внутрь',              NULL,     NULL,     NULL,    NULL,     0,        NULL),
  (402, 4,       'Открывание наружу',              NULL,     NULL,     NULL,    NULL,     1,        NULL),
  (403, 4,       'Т-образная створка',             NULL,     NULL,     NULL,    NULL,     2,        NULL);
