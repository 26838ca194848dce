#pragma once
// The catalogue's texts as the command line and the batch commands write them.
#include <initializer_list>
#include <string>
#include <string_view>

// The key's text in UTF-8 with "%1".."%9" replaced by the values, which are UTF-8 too
// (file names and options as typed).
std::string shellText(std::string_view key, std::initializer_list<std::string_view> values = {});
