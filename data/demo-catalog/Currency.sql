-- Currencies (Currency.DB). Value is the rate in roubles; prices of the catalog are converted
-- with the order's copy of these rates. Word forms serve amounts in words: Gender 0 masculine,
-- 1 feminine, 2 neuter; Dec - digits of the fraction.
INSERT INTO Currency (ID, "Name", Nominative, Genitive, GenitivePlural, Gender, "Dec", "Value", DecNominative, DecGenitive, DecGenitivePlural, DecGender) VALUES
  (1,  'руб.', 'рубль',    'рубля',   'рублей',       0,      2,     1.0,     'копейка',     'копейки',   'копеек',          1),
  (2,  'EUR',  'евро',     'евро',    'евро',         2,      2,     98.5,    'цент',        'цента',     'центов',          0),
  (3,  'USD',  'доллар',   'доллара', 'долларов',     0,      2,     91.25,   'цент',        'цента',     'центов',          0);
