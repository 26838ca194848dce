#pragma once
// What a print queue says about the paper it prints on by default.
#include <string>

#include "devices/ink_page.h"

typedef struct _http_s http_t;

struct InkPageAnswer {
  // False when the scheduler did not answer in time.
  bool answered = false;
  // False when the scheduler does not know the queue.
  bool found = false;
  // Whether the queue told its default media (size and margins) and its default
  // resolution; what it did not tell stays as in defaultInkPage().
  bool media = false;
  bool resolution = false;
  InkPage page;
};

// Asks the scheduler over `http` about the queue's defaults: "media-default" and its
// entry in the media database, and "printer-resolution-default". These are what a job
// created without options is printed with. Precondition: `http` is connected and has
// the caller's deadline.
InkPageAnswer askInkPage(http_t* http, const std::string& queue);
