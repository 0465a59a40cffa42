-- Side rules of main complects (FrnSide.DB): one row per side; a complect fits a sash when it
-- has as many rows as the sash has sides and every side passes: length (mm) within MinSize..MaxSize,
-- the corner angle at the start of the side within MinAngle..MaxAngle, the radius within
-- MinRadius..MaxRadius, and a semicircle/segment arc needs FullRadius/HalfRadius. OpenMode/RotSide
-- draw the opening symbol; Handled, Banded, Drived mark handle, hinge and drive sides; HandleDirect 1
-- measures the handle height from the end of the side.

-- VK-PO-L: rectangle, hinges on side 1, handle on side 3
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-PO-L', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-PO-L', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-PO-L', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-PO-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- VK-PO-R: rectangle, hinges on side 3, handle on side 1
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-PO-R', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-PO-R', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-PO-R', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-PO-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- VK-P-L: rectangle, turn only
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-P-L', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-P-L', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-P-L', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-P-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-P-R: rectangle, turn only
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-P-R', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-P-R', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-P-R', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-P-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-ST-M11: stulp main left sash, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ST-M11', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-ST-M11', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ST-M11', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-ST-M11', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- VK-ST-M21: stulp main right sash, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ST-M21', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-ST-M21', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ST-M21', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-ST-M21', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- VK-ST-P22: stulp passive right sash with the stulp mechanism, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ST-P22', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-ST-P22', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ST-P22', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-ST-P22', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-ST-P12: stulp passive left sash with the stulp mechanism, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ST-P12', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-ST-P12', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ST-P12', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-ST-P12', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-TR3: trapezoid (figure 3), obtuse corner 2
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-TR3', 1,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-TR3', 2,    400,     2400,    95.0,     165.0,    0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-TR3', 3,    500,     2400,    15.0,     85.0,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-TR3', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-TR4: trapezoid (figure 4), obtuse corner 3
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-TR4', 1,    500,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-TR4', 2,    400,     2400,    15.0,     85.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-TR4', 3,    400,     2000,    95.0,     165.0,    0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-TR4', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- VK-TRI5: right triangle (figure 5), the right angle at the foot of the vertical side
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-TRI5', 1,    500,     2800,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-TRI5', 2,    400,     2000,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-TRI5', 3,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0);

-- VK-TRI6: right triangle (figure 6), the right angle at the foot of the vertical side
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-TRI6', 1,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-TRI6', 2,    500,     2800,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('VK-TRI6', 3,    400,     2000,    15.0,     75.0,     0,         0,         0,          0,          0,             1,        2,       0,       0,            1,      0);

-- VK-ARCH-L: arch: side 2 an arc (semicircle or segment), R 200-2000 mm
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ARCH-L', 1,    300,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('VK-ARCH-L', 2,    400,     1600,    0.0,      360.0,    200,       2000,      1,          1,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ARCH-L', 3,    300,     2000,    0.0,      360.0,    0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('VK-ARCH-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- VK-ARCH-R: arch: side 2 an arc (semicircle or segment), R 200-2000 mm
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('VK-ARCH-R', 1,    300,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('VK-ARCH-R', 2,    400,     1600,    0.0,      360.0,    200,       2000,      1,          1,          0,             0,        0,       0,       0,            0,      1),
  ('VK-ARCH-R', 3,    300,     2000,    0.0,      360.0,    0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('VK-ARCH-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-PO-L: rectangle, hinges on side 1, handle on side 3
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-PO-L', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-PO-L', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-PO-L', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-PO-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-PO-R: rectangle, hinges on side 3, handle on side 1
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-PO-R', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-PO-R', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-PO-R', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-PO-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-P-L: rectangle, turn only
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-P-L', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-P-L', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-P-L', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-P-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-P-R: rectangle, turn only
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-P-R', 1,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-P-R', 2,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-P-R', 3,    400,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-P-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-ST-M11: stulp main left sash, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-M11', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-ST-M11', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-M11', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-ST-M11', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-ST-M21: stulp main right sash, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-M21', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-ST-M21', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-M21', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-ST-M21', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-ST-P22: stulp passive right sash with the stulp mechanism, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-P22', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-ST-P22', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-P22', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-ST-P22', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-ST-P12: stulp passive left sash with the stulp mechanism, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-P12', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-ST-P12', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-P12', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-ST-P12', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-ST-P23: stulp passive right sash for flush bolts, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-P23', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-ST-P23', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-P23', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-ST-P23', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-ST-P13: stulp passive left sash for flush bolts, at least 700 mm high
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ST-P13', 1,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-ST-P13', 2,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ST-P13', 3,    700,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-ST-P13', 4,    400,     1000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-TR3: trapezoid (figure 3), obtuse corner 2
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-TR3', 1,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-TR3', 2,    400,     2400,    95.0,     165.0,    0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-TR3', 3,    500,     2400,    15.0,     85.0,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-TR3', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-TR4: trapezoid (figure 4), obtuse corner 3
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-TR4', 1,    500,     2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-TR4', 2,    400,     2400,    15.0,     85.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-TR4', 3,    400,     2000,    95.0,     165.0,    0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-TR4', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- AV-TRI5: right triangle (figure 5), the right angle at the foot of the vertical side
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-TRI5', 1,    500,     2800,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-TRI5', 2,    400,     2000,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-TRI5', 3,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0);

-- AV-TRI6: right triangle (figure 6), the right angle at the foot of the vertical side
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-TRI6', 1,    400,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-TRI6', 2,    500,     2800,    15.0,     75.0,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('AV-TRI6', 3,    400,     2000,    15.0,     75.0,     0,         0,         0,          0,          0,             1,        2,       0,       0,            1,      0);

-- AV-ARCH-L: arch: side 2 an arc (semicircle or segment), R 200-2000 mm
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ARCH-L', 1,    300,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('AV-ARCH-L', 2,    400,     1600,    0.0,      360.0,    200,       2000,      1,          1,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ARCH-L', 3,    300,     2000,    0.0,      360.0,    0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('AV-ARCH-L', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- AV-ARCH-R: arch: side 2 an arc (semicircle or segment), R 200-2000 mm
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('AV-ARCH-R', 1,    300,     2000,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('AV-ARCH-R', 2,    400,     1600,    0.0,      360.0,    200,       2000,      1,          1,          0,             0,        0,       0,       0,            0,      1),
  ('AV-ARCH-R', 3,    300,     2000,    0.0,      360.0,    0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('AV-ARCH-R', 4,    400,     1600,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        2,       0,       0,            0,      1);

-- DR-MAIN-L: door, 1700-2400 mm high, 600-1200 mm wide
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('DR-MAIN-L', 1,    1700,    2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        3,       0,       0,            1,      0),
  ('DR-MAIN-L', 2,    600,     1200,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('DR-MAIN-L', 3,    1700,    2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       1,            0,      1),
  ('DR-MAIN-L', 4,    600,     1200,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);

-- DR-MAIN-R: door, 1700-2400 mm high, 600-1200 mm wide
INSERT INTO FrnSide (ID, Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, EllipseRadius, OpenMode, RotSide, Handled, HandleDirect, Banded, Drived) VALUES
  ('DR-MAIN-R', 1,    1700,    2400,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       1,       0,            0,      1),
  ('DR-MAIN-R', 2,    600,     1200,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1),
  ('DR-MAIN-R', 3,    1700,    2400,    89.5,     90.5,     0,         0,         0,          0,          0,             1,        1,       0,       0,            1,      0),
  ('DR-MAIN-R', 4,    600,     1200,    89.5,     90.5,     0,         0,         0,          0,          0,             0,        0,       0,       0,            0,      1);
