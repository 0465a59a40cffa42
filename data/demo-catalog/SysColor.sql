-- Fittings colours per system (SysColor.db); Article is a sample article in that colour.
INSERT INTO SysColor (System, ID, Article) VALUES
  ('110',  'WHITE',  'VK-4001-W'),
  ('110',  'BROWN',  'VK-4002-B'),
  ('110',  'SILVER', 'VK-4003-S'),
  ('210',  'WHITE',  'AV-4001-W'),
  ('210',  'BROWN',  'AV-4002-B'),
  ('210',  'SILVER', 'AV-4003-S'),
  ('210',  'TITAN',  'AV-4004-T'),
  ('210',  'BRONZE', 'AV-4005-BR'),
  ('210',  'GOLD',   'AV-4006-G');
