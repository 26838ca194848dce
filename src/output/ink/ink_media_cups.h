#pragma once
// Asking a CUPS queue about the paper it prints on by default.
#include <string>

#include "output/ink/ink_page.h"

typedef struct _http_s http_t;

// The queue's address on the scheduler, for the requests that name it; the scheduler
// answers for itself whatever host the address names.
std::string cupsQueueUri(const std::string& queue);

// Asks the scheduler over `http` about the queue's defaults: "media-default" and its
// entry in the media database, and "printer-resolution-default". These are what a job
// created without options is printed with. Precondition: `http` is connected and has
// the caller's deadline.
InkPageAnswer askInkPage(http_t* http, const std::string& queue);
