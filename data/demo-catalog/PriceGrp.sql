-- Price groups (PriceGrp.DB). Reduce_1 is the percentage applied to catalog prices (negative
-- lowers the price); Reduce_2..Reduce_10 are the dealer discount columns shown by the price group
-- dialog.
INSERT INTO PriceGrp (GroupID, "Name", Reduce_1, Reduce_2, Reduce_3, Reduce_4, Reduce_5, Reduce_6, Reduce_7, Reduce_8, Reduce_9, Reduce_10) VALUES
  (1,       'Без скидки',        0.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0),
  (2,       'Фурнитура эконом',  -5.0,     -7.0,     -10.0,    -12.0,    -15.0,    -18.0,    -20.0,    -22.0,    -25.0,    -30.0),
  (3,       'Фурнитура премиум', -12.5,    -15.0,    -17.5,    -20.0,    -22.5,    -25.0,    -27.5,    -30.0,    -32.5,    -35.0),
  (4,       'Дверная фурнитура', 10.0,     5.0,      0.0,      -3.0,     -5.0,     -8.0,     -10.0,    -12.0,    -15.0,    -20.0),
  (5,       'Крепеж',            15.0,     10.0,     5.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0,      0.0);
