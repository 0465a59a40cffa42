-- Construction materials (Material.db). Row 0 is hidden from the lists; complects with
-- Material 0 suit every material.
INSERT INTO Material (ID, "Name") VALUES
  (0,  '(любой)'),
  (1,  'ПВХ'),
  (2,  'Дерево'),
  (3,  'Алюминий');
