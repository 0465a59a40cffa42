-- Colours (COLORSET.DB): fittings colours and profile colours.
--   Color - code used in SysColor, FrnArt.Color, FrnAbd.Color and in orders; Name - shown to the user.
INSERT INTO COLORSET (Color, "Name") VALUES
  ('WHITE',      'Белый (RAL 9016)'),
  ('BROWN',      'Коричневый (RAL 8019)'),
  ('SILVER',     'Серебристый'),
  ('TITAN',      'Титан'),
  ('BRONZE',     'Бронза'),
  ('GOLD',       'Золото'),
  ('BLACK',      'Черный (RAL 9005)'),
  ('STEEL',      'Нержавеющая сталь'),
  ('OAK',        'Золотой дуб'),
  ('ANTHRACITE', 'Антрацит (RAL 7016)');
