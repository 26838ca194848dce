#pragma once
// The reader of numeric data files named by "LD": one "x y" pair per line, numbers
// written with either decimal mark, as in the command lines.
#include <functional>
#include <string>
#include <string_view>

#include "platform/text/file_read.h"

// Replaces the data point list (data_points.h) with the points of the file. Every
// problem is told on the spot (written and spoken) and never stops the caller: a
// missing file leaves the list empty, a bad line is reported and still takes a place,
// a file that can not be read to its end keeps the points read before the problem.
// The name is bytes as the system gives them, relative names resolved against the current directory.
// With `tell`, each problem goes there as one text instead, nothing heard. With `opened`,
// the file that was opened is told there with its name, before it is read.
using DataFileListener = std::function<void(std::string_view name, const FileIdentity& file)>;
void loadDataFile(std::string_view name, const std::function<void(const std::string& text)>& tell = {},
                  const DataFileListener& opened = {});
