-- Systems (SysList.DB). Group 1: fittings systems offered by the fittings dialog (Use 1);
-- CommonGrp is the system group, its hundred the family (complects of CommonGrp 0, the family or
-- the group are offered). Group 2: profile systems, whose BaseColor is the default profile colour
-- of new orders. BaseColor of a fittings system is its default fittings colour.
INSERT INTO SysList (ID, "Group", "Name", ShortName, "Use", CommonGrp, BaseColor) VALUES
  ('110',  1,       'Фурнитура «Вектор» (ПВХ)',          'Вектор',   1,     110,       'SILVER'),
  ('210',  1,       'Фурнитура «Аврора» (ПВХ и дерево)', 'Аврора',   1,     210,       'TITAN'),
  ('V58',  2,       'Профиль ПВХ 58 мм',                 'ПВХ 58',   1,     100,       'WHITE'),
  ('V70',  2,       'Профиль ПВХ 70 мм',                 'ПВХ 70',   1,     100,       'WHITE'),
  ('A70',  2,       'Профиль ПВХ 70 мм (Аврора)',        'ПВХ 70 А', 1,     200,       'WHITE'),
  ('A68W', 2,       'Брус 68 мм (дерево)',               'Брус 68',  1,     200,       'OAK');
