#pragma once
// The data point list: the (x, y) pairs that the last "LD" line read from a data file.
// One list for the whole program; it starts empty, survives script runs, and is replaced
// as a whole only by loadDataFile (datafile.h). The "*" forms of "PT", "PO" and "CV"
// draw places 0 .. count - 1 in file order.

constexpr int kDataPointCapacity = 1025;

struct DataPointList {
  int count = 0;  // places in use, 0 .. kDataPointCapacity
  double x[kDataPointCapacity] = {};
  double y[kDataPointCapacity] = {};
  // A place taken by a line that did not convert: it holds (0, 0) and is not drawn.
  bool bad[kDataPointCapacity] = {};
};

// The program's list, read-only for everyone but the data-file reader. The "*" forms
// skip the bad places: a point is not drawn, a polyline breaks there, a curve takes the
// next good point.
const DataPointList& dataPoints();
