-- Colour accessories (FrnAbd.DB): cover caps in the fittings colour for an article of the
-- specification; the row without a colour serves every other colour.

-- Fittings «Вектор»
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, "Number", ItemSideNo) VALUES
  ('VK-2011-12',    'WHITE', 'VK-2101-W', 1,        0),
  ('VK-2011-12',    'BROWN', 'VK-2102-B', 1,        0),
  ('VK-2011-12',    '',      'VK-2103-U', 1,        0),
  ('VK-2021-12-9',  'WHITE', 'VK-2151-W', 1,        0),
  ('VK-2021-12-9',  'BROWN', 'VK-2152-B', 1,        0),
  ('VK-2021-12-9',  '',      'VK-2153-U', 1,        0),
  ('VK-2022-12-13', 'WHITE', 'VK-2151-W', 1,        0),
  ('VK-2022-12-13', 'BROWN', 'VK-2152-B', 1,        0),
  ('VK-2022-12-13', '',      'VK-2153-U', 1,        0);

-- Fittings «Аврора»
INSERT INTO FrnAbd (CatalogID, Color, AccessoryID, "Number", ItemSideNo) VALUES
  ('AV-2011-12',    'WHITE',  'AV-2101-W',  1,        0),
  ('AV-2011-12',    'BROWN',  'AV-2102-B',  1,        0),
  ('AV-2011-12',    'TITAN',  'AV-2103-T',  1,        0),
  ('AV-2011-12',    'BRONZE', 'AV-2104-BR', 1,        0),
  ('AV-2011-12',    'GOLD',   'AV-2105-G',  1,        0),
  ('AV-2011-12',    '',       'AV-2106-U',  1,        0),
  ('AV-2012-4',     'WHITE',  'AV-2101-W',  1,        0),
  ('AV-2012-4',     'BROWN',  'AV-2102-B',  1,        0),
  ('AV-2012-4',     'TITAN',  'AV-2103-T',  1,        0),
  ('AV-2012-4',     'BRONZE', 'AV-2104-BR', 1,        0),
  ('AV-2012-4',     'GOLD',   'AV-2105-G',  1,        0),
  ('AV-2012-4',     '',       'AV-2106-U',  1,        0),
  ('AV-2021-12-9',  'WHITE',  'AV-2151-W',  1,        0),
  ('AV-2021-12-9',  'BROWN',  'AV-2152-B',  1,        0),
  ('AV-2021-12-9',  'TITAN',  'AV-2153-T',  1,        0),
  ('AV-2021-12-9',  'BRONZE', 'AV-2154-BR', 1,        0),
  ('AV-2021-12-9',  'GOLD',   'AV-2155-G',  1,        0),
  ('AV-2021-12-9',  '',       'AV-2156-U',  1,        0),
  ('AV-2022-12-13', 'WHITE',  'AV-2151-W',  1,        0),
  ('AV-2022-12-13', 'BROWN',  'AV-2152-B',  1,        0),
  ('AV-2022-12-13', 'TITAN',  'AV-2153-T',  1,        0),
  ('AV-2022-12-13', 'BRONZE', 'AV-2154-BR', 1,        0),
  ('AV-2022-12-13', 'GOLD',   'AV-2155-G',  1,        0),
  ('AV-2022-12-13', '',       'AV-2156-U',  1,        0),
  ('AV-2023-4-9',   'WHITE',  'AV-2151-W',  1,        0),
  ('AV-2023-4-9',   'BROWN',  'AV-2152-B',  1,        0),
  ('AV-2023-4-9',   'TITAN',  'AV-2153-T',  1,        0),
  ('AV-2023-4-9',   'BRONZE', 'AV-2154-BR', 1,        0),
  ('AV-2023-4-9',   'GOLD',   'AV-2155-G',  1,        0),
  ('AV-2023-4-9',   '',       'AV-2156-U',  1,        0);
